#include "forms/form2.h"

#include <commctrl.h>

#include "accessibility/accessible_window.h"
#include "controls/wide_text.h"
#include "forms/control_ids.h"
#include "forms/form1.h"
#include "forms/forms.h"
#include "layout/form2_layout.h"
#include "placement/window_position.h"
#include "resource_ids.h"

namespace velmora::win32 {

namespace layout = form2_layout;

Form2::Form2(Forms& forms)
    // Only the close button: no minimize, no maximize.
    : FormWindow({kForm2Class, layout::kCaption, VELMORA_NOTES_ICON, false, layout::kClientWidth,
                  layout::kClientHeight},
                 forms.dpiFunctions()),
      forms_(forms) {
  // Created in tab order; no two of them overlap. OK is the only control
  // that takes the keyboard.
  Command1 = AddControl(WC_BUTTONW, BS_PUSHBUTTON | WS_TABSTOP, form2_ids::kCommand1, layout::kCommand1Caption,
                        layout::kCommand1);
  Label1 = AddControl(WC_STATICW, SS_LEFT | SS_NOPREFIX, form2_ids::kLabel1, layout::kLabel1Caption,
                      layout::kLabel1);
  Label2 = AddControl(WC_STATICW, SS_LEFT | SS_NOPREFIX, form2_ids::kLabel2, layout::kLabel2Caption,
                      layout::kLabel2, layout::kLabel2PointSize);
  Label3 = AddControl(WC_STATICW, SS_LEFT | SS_NOPREFIX, form2_ids::kLabel3, layout::kLabel3Caption,
                      layout::kLabel3, layout::kLabel3PointSize, true);
  SetFocusControl(Command1);

  // A dialog: a reader that meets it reads its title, its texts and the
  // button with the keyboard.
  using Kind = AccessibleWindow::Kind;
  AccessibleWindow::Attach(Handle(), Kind::kForm, ROLE_SYSTEM_DIALOG, Wide(layout::kCaption));
  AccessibleWindow::Attach(Command1, Kind::kControl, ROLE_SYSTEM_PUSHBUTTON, Wide(layout::kCommand1Caption));
  AccessibleWindow::Attach(Label1, Kind::kControl, ROLE_SYSTEM_STATICTEXT, Wide(layout::kLabel1Caption));
  AccessibleWindow::Attach(Label2, Kind::kControl, ROLE_SYSTEM_STATICTEXT, Wide(layout::kLabel2Caption));
  AccessibleWindow::Attach(Label3, Kind::kControl, ROLE_SYSTEM_STATICTEXT, Wide(layout::kLabel3SpokenName));
}

void Form2::Form_Load() {
  const Form1& chart = forms_.form1();
  Move(chart.Left(), chart.Top());
}

void Form2::Command1_Click() { forms_.Unload(*this); }

void Form2::Form_Unload(bool&) {
  Form1& chart = forms_.form1();
  ShowForm(chart.Handle());
  chart.Move(Left(), Top());
}

bool Form2::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message == WM_COMMAND && reinterpret_cast<HWND>(lParam) == Command1 && HIWORD(wParam) == BN_CLICKED) {
    Command1_Click();
  } else if (message == WM_CLOSE) {
    // The title bar's close unloads the window, as OK does.
    forms_.Unload(*this);
  } else {
    return false;
  }
  result = 0;
  return true;
}

}  // namespace velmora::win32
