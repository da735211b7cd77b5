// Reads Velmora.exe's windows from another process of the same Wine prefix,
// as the system shows them to any program: for each line on its input it
// writes one line of what the chart and the About window show, with tabs
// between the fields:
//   chart=<shown 0|1> about=<shown 0|1> label=<chord name> root=<index>
//   type=<index> focus=<control id, 0 if none> chartrect=<l,t,r,b>
//   aboutrect=<l,t,r,b> dpi=<chart's dots per inch>
// Window rectangles are the outer ones, in the screen's device pixels.
#include <windows.h>

#include <cstdio>
#include <string>

#include "forms/control_ids.h"

namespace {

using namespace velmora::win32;

std::string Utf8(const std::wstring& text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                       nullptr);
  std::string utf8(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), utf8.data(), size, nullptr, nullptr);
  return utf8;
}

std::string Text(HWND control) {
  wchar_t text[256] = {};
  // WM_GETTEXT crosses processes for standard controls.
  SendMessageTimeoutW(control, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, nullptr);
  return Utf8(text);
}

std::string Rect(HWND window) {
  RECT r{};
  if (window) GetWindowRect(window, &r);
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
         std::to_string(r.bottom);
}

int Focus(HWND form) {
  GUITHREADINFO info{sizeof info};
  if (!form || !GetGUIThreadInfo(GetWindowThreadProcessId(form, nullptr), &info) || !info.hwndFocus) return 0;
  return GetDlgCtrlID(info.hwndFocus);
}

LRESULT Selected(HWND form, int id) {
  DWORD_PTR index = static_cast<DWORD_PTR>(-1);
  SendMessageTimeoutW(GetDlgItem(form, id), CB_GETCURSEL, 0, 0, SMTO_ABORTIFHUNG, 2000, &index);
  return static_cast<LRESULT>(index);
}

}  // namespace

int main() {
  char line[64];
  while (std::fgets(line, sizeof line, stdin)) {
    const HWND chart = FindWindowW(kForm1Class, nullptr);
    const HWND about = FindWindowW(kForm2Class, nullptr);
    std::printf("chart=%d\tabout=%d\tlabel=%s\troot=%lld\ttype=%lld\tfocus=%d\tchartrect=%s\taboutrect=%s\tdpi=%u\n",
                chart && IsWindowVisible(chart) ? 1 : 0, about && IsWindowVisible(about) ? 1 : 0,
                chart ? Text(GetDlgItem(chart, form1_ids::kLabel1)).c_str() : "",
                chart ? static_cast<long long>(Selected(chart, form1_ids::kCombo1)) : -1LL,
                chart ? static_cast<long long>(Selected(chart, form1_ids::kCombo2)) : -1LL,
                Focus(about ? about : chart), Rect(chart).c_str(), Rect(about).c_str(),
                chart ? GetDpiForWindow(chart) : 0U);
    std::fflush(stdout);
  }
  return 0;
}
