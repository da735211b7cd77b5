#include "forms/forms.h"

#include "forms/form1.h"
#include "forms/form2.h"
#include "placement/window_position.h"

namespace velmora::win32 {

Forms::Forms(const DpiFunctions& dpiFunctions) : dpiFunctions_(dpiFunctions) {}

Forms::~Forms() = default;

Form1& Forms::form1() {
  if (!form1_) {
    form1_ = std::make_unique<Form1>(*this);
    form1_->Form_Load();
  }
  return *form1_;
}

Form2& Forms::form2() {
  if (!form2_) {
    form2_ = std::make_unique<Form2>(*this);
    form2_->Form_Load();
  }
  return *form2_;
}

void Forms::Unload(Form2& form) {
  bool cancel = false;
  {
    // The chart is shown and then moved: the screen shows it only where it
    // ends up.
    ShowAfterPlacing placing;
    form.Form_Unload(cancel);
  }
  if (cancel) return;
  if (form2_.get() == &form) form2_.reset();
}

void Forms::Start() {
  const HWND chart = form1().Handle();
  // The window, frame and all, is centred on the work area of the screen.
  MONITORINFO monitor{sizeof monitor};
  GetMonitorInfoW(MonitorFromWindow(chart, MONITOR_DEFAULTTOPRIMARY), &monitor);
  RECT outer{};
  GetWindowRect(chart, &outer);
  const RECT& work = monitor.rcWork;
  const int x = work.left + (work.right - work.left - (outer.right - outer.left)) / 2;
  const int y = work.top + (work.bottom - work.top - (outer.bottom - outer.top)) / 2;
  SetWindowPos(chart, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  // The program's first window: showing it activates it, the program having
  // just been started by the user.
  ShowWindow(chart, SW_SHOW);
}

}  // namespace velmora::win32
