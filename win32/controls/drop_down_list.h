#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace velmora::win32 {

// A drop-down list over a standard combo box: the user picks an item and
// cannot type. Its Click is raised when the user picks an item and when the
// program sets the selected index, at once, inside the call.
class DropDownList {
 public:
  DropDownList() = default;
  template <std::size_t N>
  void Attach(HWND combo, const std::array<std::string_view, N>& items) {
    hwnd_ = combo;
    for (std::string_view item : items) AddItem(item);
  }

  HWND Handle() const { return hwnd_; }
  // The selected item's index; -1 while nothing is selected.
  std::int16_t ListIndex() const;
  void SetListIndex(int index);
  // The selected item's text; empty while nothing is selected.
  std::string Text() const;

  std::function<void()> Click;
  // The form calls this when the combo box reports a new selection.
  void SelectionChanged() const {
    if (Click) Click();
  }

 private:
  void AddItem(std::string_view item) const;

  HWND hwnd_ = nullptr;
};

}  // namespace velmora::win32
