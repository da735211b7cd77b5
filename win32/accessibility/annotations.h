#pragma once

#include <windows.h>

#include <string_view>

struct IAccPropServices;

namespace velmora::win32 {

// What a screen reader is told of a standard control beyond what the control
// says itself: its name and its description, through the system's
// annotation of standard controls. Where the system does not offer it, the
// control is left as it is and nothing else changes.
class Annotations {
 public:
  Annotations();
  ~Annotations();
  Annotations(const Annotations&) = delete;
  Annotations& operator=(const Annotations&) = delete;

  void SetName(HWND control, std::wstring_view name) const;
  // Also tells a listening reader that the description changed.
  void SetDescription(HWND control, std::wstring_view description) const;
  // The control is a picture, not a window of its own kind.
  void SetGraphicRole(HWND control) const;

 private:
  IAccPropServices* services_ = nullptr;
};

}  // namespace velmora::win32
