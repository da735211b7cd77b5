// The About window's hand-over of the chart's corner on a desktop of two
// monitors at different scales, and on a system without the per-monitor
// functions. The densities are supplied to the program: the window system
// here has one scale, so the monitors are drawn over it, and the system's
// message of a window that has landed on a monitor of another scale is sent
// as Windows sends it, after the move that took it there.
#include <gtest/gtest.h>

#include <windows.h>

#include <map>
#include <string>
#include <tuple>

#include "controls/form_window.h"
#include "forms/control_ids.h"
#include "forms/form1.h"
#include "forms/form2.h"
#include "forms/forms.h"
#include "layout/form1_layout.h"
#include "layout/form2_layout.h"

namespace velmora::win32 {
namespace {

// Two monitors side by side: A, the primary, from x 0, and B from x 2560.
constexpr int kMonitorWidth = 2560;
constexpr int kMonitorHeight = 1600;
UINT dpiOfA = USER_DEFAULT_SCREEN_DPI;
UINT dpiOfB = USER_DEFAULT_SCREEN_DPI;
// The density the system holds for each window: it changes when the
// window lands on the other monitor, as the system then tells the window.
std::map<HWND, UINT> held;

RECT OuterOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

// The monitor that holds the larger part of the window decides.
UINT MonitorDpi(const RECT& r) {
  const auto width = [&](LONG from, LONG to) { return std::max(0L, std::min(r.right, to) - std::max(r.left, from)); };
  return width(-100000, kMonitorWidth) >= width(kMonitorWidth, 100000) ? dpiOfA : dpiOfB;
}

UINT WINAPI DpiForWindow(HWND window) {
  const auto found = held.find(window);
  return found != held.end() ? found->second : MonitorDpi(OuterOf(window));
}

// The system's density is the primary monitor's.
UINT WINAPI DpiForSystem() { return dpiOfA; }

// The window system here draws every frame at its one scale.
BOOL WINAPI FrameAtOneScale(RECT* rect, DWORD style, BOOL menu, DWORD exStyle, UINT) {
  return AdjustWindowRectEx(rect, style, menu, exStyle);
}

bool IsForm(HWND window) {
  wchar_t name[32] = {};
  GetClassNameW(window, name, 32);
  return std::wstring(name) == kForm1Class || std::wstring(name) == kForm2Class;
}

// After a form has moved or been sized: if it now stands on a monitor of
// another scale, the system's message, with a suggested rectangle whose
// corner lies elsewhere, as the system's often does.
LRESULT CALLBACK AfterMessage(int code, WPARAM wParam, LPARAM lParam) {
  const auto* sent = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
  if (code == HC_ACTION && IsForm(sent->hwnd)) {
    if (sent->message == WM_NCDESTROY) {
      held.erase(sent->hwnd);
    } else if (sent->message == WM_WINDOWPOSCHANGED) {
      const RECT now = OuterOf(sent->hwnd);
      const UINT dpi = MonitorDpi(now);
      const auto found = held.find(sent->hwnd);
      if (found == held.end()) {
        held[sent->hwnd] = dpi;
      } else if (found->second != dpi) {
        found->second = dpi;
        RECT suggested{now.left + 37, now.top + 23, now.right + 37, now.bottom + 23};
        SendMessageW(sent->hwnd, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
      }
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The functions of this system with the densities replaced.
DpiFunctions TwoMonitors() {
  DpiFunctions functions = SystemDpiFunctions();
  functions.getDpiForWindow = &DpiForWindow;
  functions.getDpiForSystem = &DpiForSystem;
  functions.adjustWindowRectExForDpi = &FrameAtOneScale;
  return functions;
}

POINT Corner(HWND window) {
  const RECT r = OuterOf(window);
  return {r.left, r.top};
}

SIZE ClientSize(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  return {r.right, r.bottom};
}

SIZE ExpectedClient(int widthTwips, int heightTwips, UINT dpi) {
  return {MulDiv(widthTwips, static_cast<int>(dpi), 1440), MulDiv(heightTwips, static_cast<int>(dpi), 1440)};
}

void MoveTo(HWND window, POINT corner) {
  SetWindowPos(window, nullptr, corner.x, corner.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// A click on a form's button, as the button tells its form.
void Click(HWND form, HWND button, int id) {
  SendMessageW(form, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

std::string Text(POINT p) { return "(" + std::to_string(p.x) + ", " + std::to_string(p.y) + ")"; }

// Monitor A's and B's dots per inch.
class MonitorHandover : public testing::TestWithParam<std::tuple<UINT, UINT>> {
 protected:
  void SetUp() override {
    std::tie(dpiOfA, dpiOfB) = GetParam();
    held.clear();
    hook_ = SetWindowsHookExW(WH_CALLWNDPROCRET, &AfterMessage, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook_, nullptr);
  }
  void TearDown() override {
    UnhookWindowsHookEx(hook_);
    held.clear();
  }

  UINT DpiAt(POINT corner) const { return corner.x < kMonitorWidth ? dpiOfA : dpiOfB; }

  const DpiFunctions functions_ = TwoMonitors();

 private:
  HHOOK hook_ = nullptr;
};

TEST_P(MonitorHandover, AboutOpensOnTheChartsCornerAndGivesTheChartItsOwnOnEitherMonitor) {
  // Corners on odd device pixels, each monitor's window wholly on it.
  const POINT onA{301, 213};
  const POINT onB{kMonitorWidth + 517, 389};
  for (const POINT chartAt : {onA, onB}) {
    for (const POINT aboutTo : {onA, onB, chartAt}) {
      SCOPED_TRACE("chart at " + Text(chartAt) + ", About taken to " + Text(aboutTo));
      Forms forms(functions_);
      forms.Start();
      Form1& chart = forms.form1();
      MoveTo(chart.Handle(), chartAt);
      ASSERT_EQ(chart.Dpi(), DpiAt(chartAt));

      Click(chart.Handle(), chart.Command1, form1_ids::kCommand1);
      Form2& about = forms.form2();
      const POINT opened = Corner(about.Handle());
      EXPECT_EQ(opened.x, chartAt.x);
      EXPECT_EQ(opened.y, chartAt.y);
      EXPECT_EQ(about.Dpi(), DpiAt(chartAt));
      const SIZE aboutClient = ExpectedClient(form2_layout::kClientWidth, form2_layout::kClientHeight, about.Dpi());
      EXPECT_EQ(ClientSize(about.Handle()).cx, aboutClient.cx);
      EXPECT_EQ(ClientSize(about.Handle()).cy, aboutClient.cy);

      MoveTo(about.Handle(), aboutTo);
      ASSERT_EQ(Corner(about.Handle()).x, aboutTo.x) << "the corner did not survive the change of scale";
      ASSERT_EQ(Corner(about.Handle()).y, aboutTo.y) << "the corner did not survive the change of scale";
      Click(about.Handle(), about.Command1, form2_ids::kCommand1);

      const POINT back = Corner(chart.Handle());
      EXPECT_EQ(back.x, aboutTo.x);
      EXPECT_EQ(back.y, aboutTo.y);
      EXPECT_EQ(chart.Dpi(), DpiAt(aboutTo));
      const SIZE chartClient = ExpectedClient(form1_layout::kClientWidth, form1_layout::kClientHeight, chart.Dpi());
      EXPECT_EQ(ClientSize(chart.Handle()).cx, chartClient.cx);
      EXPECT_EQ(ClientSize(chart.Handle()).cy, chartClient.cy);
      EXPECT_TRUE(IsWindowVisible(chart.Handle()));
    }
  }
}

TEST_P(MonitorHandover, CornerStaysWhereTheSystemsSuggestionWouldMoveIt) {
  Forms forms(functions_);
  forms.Start();
  Form1& chart = forms.form1();
  const POINT corner{-43, 1501};
  MoveTo(chart.Handle(), corner);
  const UINT other = chart.Dpi() == dpiOfA ? dpiOfB : dpiOfA;
  RECT suggested{10, 10, 700, 300};
  SendMessageW(chart.Handle(), WM_DPICHANGED, MAKEWPARAM(other, other), reinterpret_cast<LPARAM>(&suggested));
  EXPECT_EQ(Corner(chart.Handle()).x, corner.x);
  EXPECT_EQ(Corner(chart.Handle()).y, corner.y);
  EXPECT_EQ(chart.Dpi(), other);
  const SIZE client = ExpectedClient(form1_layout::kClientWidth, form1_layout::kClientHeight, other);
  EXPECT_EQ(ClientSize(chart.Handle()).cx, client.cx);
  EXPECT_EQ(ClientSize(chart.Handle()).cy, client.cy);
}

INSTANTIATE_TEST_SUITE_P(Scales, MonitorHandover,
                         testing::Values(std::tuple{96U, 144U}, std::tuple{144U, 96U}, std::tuple{192U, 96U},
                                         std::tuple{96U, 192U}));

// Windows 7: none of the newer functions; one density for everything.
TEST(WithoutPerMonitorFunctions, ChartIsLaidOutAtTheSystemDensityAndHandsOverExactly) {
  const DpiFunctions windows7;
  Forms forms(windows7);
  forms.Start();
  Form1& chart = forms.form1();
  const UINT dpi = DesktopDpi(windows7);
  EXPECT_EQ(chart.Dpi(), dpi);
  const SIZE client = ExpectedClient(form1_layout::kClientWidth, form1_layout::kClientHeight, dpi);
  EXPECT_EQ(ClientSize(chart.Handle()).cx, client.cx);
  EXPECT_EQ(ClientSize(chart.Handle()).cy, client.cy);

  const POINT corner{-43, 211};
  MoveTo(chart.Handle(), corner);
  Click(chart.Handle(), chart.Command1, form1_ids::kCommand1);
  Form2& about = forms.form2();
  EXPECT_EQ(Corner(about.Handle()).x, corner.x);
  EXPECT_EQ(Corner(about.Handle()).y, corner.y);
  const POINT moved{333, -41};
  MoveTo(about.Handle(), moved);
  Click(about.Handle(), about.Command1, form2_ids::kCommand1);
  EXPECT_EQ(Corner(chart.Handle()).x, moved.x);
  EXPECT_EQ(Corner(chart.Handle()).y, moved.y);
}

// Windows 8.1: the monitor's density, but none of the window-level functions.
HRESULT WINAPI MonitorAt144(HMONITOR, int, UINT* x, UINT* y) {
  *x = *y = 144;
  return S_OK;
}

TEST(WithOnlyTheMonitorsDensity, ChartIsLaidOutAtTheMonitorsDensity) {
  DpiFunctions windows81;
  windows81.getDpiForMonitor = &MonitorAt144;
  Forms forms(windows81);
  forms.Start();
  Form1& chart = forms.form1();
  EXPECT_EQ(chart.Dpi(), 144U);
  const SIZE client = ExpectedClient(form1_layout::kClientWidth, form1_layout::kClientHeight, 144);
  EXPECT_EQ(ClientSize(chart.Handle()).cx, client.cx);
  EXPECT_EQ(ClientSize(chart.Handle()).cy, client.cy);
}

}  // namespace
}  // namespace velmora::win32

// The program is built for a wide-character entry point.
int wmain(int argc, wchar_t* argv[]) {
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
