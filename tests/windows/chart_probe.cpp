// Reads Velmora.exe's windows from another process of the same Wine prefix,
// as the system shows them to any program: for each line on its input it
// writes one line of what the chart and the About window show, with tabs
// between the fields; a line "move <left> <top>" first moves the About
// window's outer corner there, as the system moves a window for the user:
//   chart=<shown 0|1> about=<shown 0|1> label=<chord name> root=<index>
//   type=<index> focus=<control id, 0 if none> chartrect=<l,t,r,b>
//   aboutrect=<l,t,r,b> chartclient=<x,y> chartclose=<x,y>
//   aboutclose=<x,y> dpi=<chart's dots per inch>
// Window rectangles are the outer ones, and chartclient the chart's client
// area's origin, in the screen's device pixels; the close points are the
// middle of each window's close button where Wine draws the title bar. An
// argument names the Wine desktop to look in, for a program run in one of
// Wine's virtual desktops.
#include <windows.h>

#include <cstdio>
#include <string>

#include "forms/control_ids.h"
#include "probe_text.h"

namespace {

using namespace velmora::win32;

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

std::string ClientOrigin(HWND window) {
  POINT origin{0, 0};
  if (window) ClientToScreen(window, &origin);
  return std::to_string(origin.x) + "," + std::to_string(origin.y);
}

// The middle of the close button on the window's title bar: the run of
// points along the caption that the window says are its close button.
std::string ClosePoint(HWND window) {
  RECT r{};
  if (!window || !GetWindowRect(window, &r)) return "0,0";
  POINT client{0, 0};
  ClientToScreen(window, &client);
  const int y = (r.top + client.y) / 2;
  int first = 0;
  int last = 0;
  for (int x = r.right - 1; x > r.left; --x) {
    DWORD_PTR hit = HTNOWHERE;
    SendMessageTimeoutW(window, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_ABORTIFHUNG, 2000, &hit);
    if (hit == HTCLOSE) {
      if (!last) last = x;
      first = x;
    } else if (last) {
      break;
    }
  }
  return std::to_string((first + last) / 2) + "," + std::to_string(y);
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

int wmain(int argc, wchar_t* argv[]) {
  // The desktop may not be there yet: it is looked for at each reading
  // until found.
  bool onDesktop = argc < 2;
  char line[64];
  while (std::fgets(line, sizeof line, stdin)) {
    if (!onDesktop) {
      HDESK desktop = OpenDesktopW(argv[1], 0, FALSE, GENERIC_ALL);
      onDesktop = desktop && SetThreadDesktop(desktop);
    }
    const HWND chart = FindWindowW(kForm1Class, nullptr);
    const HWND about = FindWindowW(kForm2Class, nullptr);
    int left = 0;
    int top = 0;
    if (about && std::sscanf(line, "move %d %d", &left, &top) == 2) {
      SetWindowPos(about, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    std::printf("chart=%d\tabout=%d\tlabel=%s\troot=%lld\ttype=%lld\tfocus=%d\tchartrect=%s\taboutrect=%s\tchartclient=%s\tchartclose=%s\taboutclose=%s\tdpi=%u\n",
                chart && IsWindowVisible(chart) ? 1 : 0, about && IsWindowVisible(about) ? 1 : 0,
                chart ? Text(GetDlgItem(chart, form1_ids::kLabel1)).c_str() : "",
                chart ? static_cast<long long>(Selected(chart, form1_ids::kCombo1)) : -1LL,
                chart ? static_cast<long long>(Selected(chart, form1_ids::kCombo2)) : -1LL,
                Focus(about ? about : chart), Rect(chart).c_str(), Rect(about).c_str(), ClientOrigin(chart).c_str(),
                ClosePoint(chart).c_str(), ClosePoint(about).c_str(),
                chart ? GetDpiForWindow(chart) : 0U);
    std::fflush(stdout);
  }
  return 0;
}
