#include "controls/drop_down_list.h"

#include "controls/wide_text.h"

namespace velmora::win32 {

void DropDownList::AddItem(std::string_view item) const {
  SendMessageW(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(WideFromAscii(item).c_str()));
}

std::int16_t DropDownList::ListIndex() const {
  return static_cast<std::int16_t>(SendMessageW(hwnd_, CB_GETCURSEL, 0, 0));
}

void DropDownList::SetListIndex(int index) {
  // The combo box tells nothing of a selection the program makes.
  SendMessageW(hwnd_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  SelectionChanged();
}

std::string DropDownList::Text() const {
  const int index = ListIndex();
  if (index < 0) return {};
  const auto length = SendMessageW(hwnd_, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(hwnd_, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return AsciiFromWide(text);
}

}  // namespace velmora::win32
