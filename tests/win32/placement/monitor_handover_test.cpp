// The About window's hand-over of the chart's corner on a desktop of two
// monitors at different scales, and on systems without the per-monitor
// functions. The window system here has one scale, so the densities are
// supplied to the program, and the system's message of a window that has
// landed on a monitor of another scale is sent as Windows sends it: after
// the move that took it there, suggesting a rectangle elsewhere.
#include <gtest/gtest.h>

#include <windows.h>

#include <map>
#include <string>
#include <tuple>

#include "forms/control_ids.h"
#include "forms/form1.h"
#include "forms/form2.h"
#include "forms/forms.h"
#include "layout/form1_layout.h"
#include "layout/form2_layout.h"

namespace velmora::win32 {
namespace {

// Monitor A, the primary, from x 0; monitor B from x 2560.
constexpr LONG kMonitorB = 2560;
UINT dpiOfA = 96;
UINT dpiOfB = 96;
// The density the system holds for each form, changed as it lands on the
// other monitor.
std::map<HWND, UINT> held;

RECT OuterOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

// The monitor that holds the larger part of the window decides.
UINT MonitorDpi(const RECT& r) { return kMonitorB - r.left >= r.right - kMonitorB ? dpiOfA : dpiOfB; }

UINT WINAPI DpiForWindow(HWND window) {
  const auto found = held.find(window);
  return found != held.end() ? found->second : MonitorDpi(OuterOf(window));
}
UINT WINAPI DpiForSystem() { return dpiOfA; }
// Frames are drawn here at the one scale.
BOOL WINAPI FrameAtOneScale(RECT* rect, DWORD style, BOOL menu, DWORD exStyle, UINT) {
  return AdjustWindowRectEx(rect, style, menu, exStyle);
}

LRESULT CALLBACK AfterMessage(int code, WPARAM wParam, LPARAM lParam) {
  const auto* sent = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
  wchar_t name[16] = {};
  GetClassNameW(sent->hwnd, name, 16);
  if (code == HC_ACTION && (std::wstring(name) == kForm1Class || std::wstring(name) == kForm2Class)) {
    if (sent->message == WM_NCDESTROY) held.erase(sent->hwnd);
    if (sent->message == WM_WINDOWPOSCHANGED) {
      RECT now = OuterOf(sent->hwnd);
      const UINT dpi = MonitorDpi(now);
      const auto [entry, added] = held.try_emplace(sent->hwnd, dpi);
      if (!added && entry->second != dpi) {
        entry->second = dpi;
        OffsetRect(&now, 37, 23);
        SendMessageW(sent->hwnd, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&now));
      }
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

POINT Corner(HWND window) {
  const RECT r = OuterOf(window);
  return {r.left, r.top};
}

void MoveTo(HWND window, POINT corner) {
  SetWindowPos(window, nullptr, corner.x, corner.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// A click on a form's button, as the button tells its form.
void Click(const FormWindow& form, HWND button, int id) {
  SendMessageW(form.Handle(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

// The form's client area is its layout's at its own density.
void ExpectLaidOut(const FormWindow& form, int widthTwips, int heightTwips, UINT dpi) {
  RECT client{};
  GetClientRect(form.Handle(), &client);
  EXPECT_EQ(form.Dpi(), dpi);
  EXPECT_EQ(client.right, MulDiv(widthTwips, static_cast<int>(dpi), 1440));
  EXPECT_EQ(client.bottom, MulDiv(heightTwips, static_cast<int>(dpi), 1440));
}

// The round trip: the chart at `chartAt`, About opened on it and taken to
// `aboutTo`, OK; the corners meet on the same device pixel both ways.
void RoundTrip(const DpiFunctions& functions, POINT chartAt, POINT aboutTo, UINT chartDpi, UINT aboutDpi) {
  SCOPED_TRACE("chart at " + std::to_string(chartAt.x) + ", About taken to " + std::to_string(aboutTo.x));
  Forms forms(functions);
  forms.Start();
  Form1& chart = forms.form1();
  MoveTo(chart.Handle(), chartAt);
  Click(chart, chart.Command1, form1_ids::kCommand1);
  Form2& about = forms.form2();
  EXPECT_EQ(Corner(about.Handle()).x, chartAt.x);
  EXPECT_EQ(Corner(about.Handle()).y, chartAt.y);
  ExpectLaidOut(about, form2_layout::kClientWidth, form2_layout::kClientHeight, chartDpi);

  MoveTo(about.Handle(), aboutTo);
  Click(about, about.Command1, form2_ids::kCommand1);
  EXPECT_EQ(Corner(chart.Handle()).x, aboutTo.x);
  EXPECT_EQ(Corner(chart.Handle()).y, aboutTo.y);
  ExpectLaidOut(chart, form1_layout::kClientWidth, form1_layout::kClientHeight, aboutDpi);
}

// Monitor A's and B's dots per inch.
class TwoMonitors : public testing::TestWithParam<std::tuple<UINT, UINT>> {};

TEST_P(TwoMonitors, CornersAreHandedOverExactlyOnEitherMonitor) {
  std::tie(dpiOfA, dpiOfB) = GetParam();
  HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROCRET, &AfterMessage, nullptr, GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);
  DpiFunctions functions = SystemDpiFunctions();
  functions.getDpiForWindow = &DpiForWindow;
  functions.getDpiForSystem = &DpiForSystem;
  functions.adjustWindowRectExForDpi = &FrameAtOneScale;
  // Odd device pixels, partly off the desktop too; each window stands
  // mostly on its monitor.
  const POINT onA{-43, 213};
  const POINT onB{kMonitorB + 517, 1389};
  for (const POINT chartAt : {onA, onB}) {
    for (const POINT aboutTo : {onA, onB}) {
      RoundTrip(functions, chartAt, aboutTo, MonitorDpi({chartAt.x, 0, chartAt.x + 1, 0}),
                MonitorDpi({aboutTo.x, 0, aboutTo.x + 1, 0}));
    }
  }
  UnhookWindowsHookEx(hook);
  held.clear();
}

INSTANTIATE_TEST_SUITE_P(Scales, TwoMonitors,
                         testing::Values(std::tuple{96U, 144U}, std::tuple{144U, 96U}, std::tuple{192U, 96U},
                                         std::tuple{96U, 192U}));

// Windows 8.1 has only the monitor's density, Windows 7 none of the newer
// functions.
HRESULT WINAPI MonitorAt144(HMONITOR, int, UINT* x, UINT* y) {
  *x = *y = 144;
  return S_OK;
}

TEST(OlderSystems, FormsAreLaidOutAtTheirOneDensityAndHandOverExactly) {
  DpiFunctions windows81;
  windows81.getDpiForMonitor = &MonitorAt144;
  RoundTrip(windows81, {-43, 211}, {333, -41}, 144, 144);
  const DpiFunctions windows7;
  RoundTrip(windows7, {-43, 211}, {333, -41}, DesktopDpi(windows7), DesktopDpi(windows7));
}

}  // namespace
}  // namespace velmora::win32

// The program is built for a wide-character entry point.
int wmain(int argc, wchar_t* argv[]) {
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
