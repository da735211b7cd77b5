#pragma once

#include <string>
#include <string_view>

namespace velmora::win32 {

// The shared layouts' UTF-16 texts as the Windows API takes them.
inline std::wstring Wide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }

// The chord model's texts are ASCII: list items, chord names, fingerings.
inline std::wstring WideFromAscii(std::string_view text) { return std::wstring(text.begin(), text.end()); }
inline std::string AsciiFromWide(std::wstring_view text) {
  std::string ascii;
  for (wchar_t c : text) ascii += c < 0x80 ? static_cast<char>(c) : '?';
  return ascii;
}

}  // namespace velmora::win32
