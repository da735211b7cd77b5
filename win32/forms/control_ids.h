#pragma once

// The forms' window classes and their controls' ids, by which the program's
// handlers, and anything that looks at the windows from outside, find them.
namespace velmora::win32 {

// The installer and the uninstaller find a running chart by its class to
// ask it to close (packaging/nsis/running_copy.nsh).
inline constexpr wchar_t kForm1Class[] = L"VelmoraForm1";
inline constexpr wchar_t kForm2Class[] = L"VelmoraForm2";

namespace form1_ids {
inline constexpr int kCombo1 = 101;
inline constexpr int kCombo2 = 102;
inline constexpr int kLabel1 = 103;
inline constexpr int kCommand1 = 104;
inline constexpr int kImage1 = 105;
}  // namespace form1_ids

namespace form2_ids {
inline constexpr int kCommand1 = 201;
inline constexpr int kLabel1 = 202;
inline constexpr int kLabel2 = 203;
inline constexpr int kLabel3 = 204;
}  // namespace form2_ids

}  // namespace velmora::win32
