#include "forms/form1.h"

#include <commctrl.h>

#include "controls/wide_text.h"
#include "forms/control_ids.h"
#include "forms/form2.h"
#include "forms/forms.h"
#include "layout/form1_layout.h"
#include "placement/window_position.h"
#include "resource_ids.h"

namespace velmora::win32 {

namespace layout = form1_layout;

namespace {

// The opened lists show this many items before they scroll.
constexpr int kOpenedListRows = 12;

}  // namespace

Form1::Form1(Forms& forms)
    // Minimize and close; no maximize.
    : FormWindow({kForm1Class, layout::kCaption, VELMORA_MICROPHONE_ICON, true, layout::kClientWidth,
                  layout::kClientHeight},
                 forms.dpiFunctions()),
      Image1(Handle(), form1_ids::kImage1, static_cast<float>(layout::kImage1.left),
             static_cast<float>(layout::kImage1.top), Dpi()),
      forms_(forms) {
  // Created in tab order: the tab key follows the order of creation. No two
  // of these controls overlap; the markers are drawn by the picture they lie
  // on, in front of it.
  Combo1.Attach(AddDropDownList(form1_ids::kCombo1, layout::kCombo1, kOpenedListRows), kRootTexts);
  Combo2.Attach(AddDropDownList(form1_ids::kCombo2, layout::kCombo2, kOpenedListRows), kTypeTexts);
  Label1 = AddControl(WC_STATICW, SS_LEFT | SS_NOPREFIX, form1_ids::kLabel1, layout::kLabel1Caption,
                      layout::kLabel1, layout::kLabel1PointSize);
  Command1 = AddControl(WC_BUTTONW, BS_PUSHBUTTON | WS_TABSTOP, form1_ids::kCommand1, layout::kCommand1Caption,
                        layout::kCommand1);
  AddCustomControl(Image1.Handle(), layout::kImage1);
  Image1.PlaceMarkers(layout::kMarkerLeft, layout::kMarkerTops);
  SetFocusControl(Combo1.Handle());

  // The chart is a window of lists, a label and a button over a picture of
  // the fretboard; the markers are no objects of their own: the picture
  // speaks for them.
  using Kind = AccessibleWindow::Kind;
  AccessibleWindow::Attach(Handle(), Kind::kForm, ROLE_SYSTEM_CLIENT, Wide(layout::kCaption));
  Spoken.Combo1 = AccessibleWindow::Attach(Combo1.Handle(), Kind::kControl, ROLE_SYSTEM_COMBOBOX,
                                           Wide(layout::kCombo1Name));
  Spoken.Combo2 = AccessibleWindow::Attach(Combo2.Handle(), Kind::kControl, ROLE_SYSTEM_COMBOBOX,
                                           Wide(layout::kCombo2Name));
  Spoken.Label1 = AccessibleWindow::Attach(Label1, Kind::kControl, ROLE_SYSTEM_STATICTEXT,
                                           Wide(layout::kLabel1Caption));
  Spoken.Image1 = AccessibleWindow::Attach(Image1.Handle(), Kind::kControl, ROLE_SYSTEM_GRAPHIC,
                                           Wide(layout::kImage1Name));
  AccessibleWindow::Attach(Command1, Kind::kControl, ROLE_SYSTEM_PUSHBUTTON, Wide(layout::kCommand1Name));

  Combo1.Click = [this] { Combo1_Click(); };
  Combo2.Click = [this] { Combo2_Click(); };
}

void Form1::Form_Load() {
  chart_.FillFretTable();
  Combo1.SetListIndex(0);
  Combo2.SetListIndex(0);
}

void Form1::Combo1_Click() { chart_.UpdateChordDisplay(); }

void Form1::Combo2_Click() { chart_.UpdateChordDisplay(); }

void Form1::Command1_Click() {
  HideForm(Handle());
  ShowForm(forms_.form2().Handle());
}

bool Form1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message != WM_COMMAND) return false;
  const HWND from = reinterpret_cast<HWND>(lParam);
  const int code = HIWORD(wParam);
  if (from == Combo1.Handle() && code == CBN_SELCHANGE) {
    Combo1.SelectionChanged();
  } else if (from == Combo2.Handle() && code == CBN_SELCHANGE) {
    Combo2.SelectionChanged();
  } else if (from == Command1 && code == BN_CLICKED) {
    Command1_Click();
  } else {
    return false;
  }
  result = 0;
  return true;
}

void Form1::DpiChanged() { Image1.SetDpi(Dpi()); }

void Form1::Destroyed() {
  // Closing the chart ends the program: it is the last window.
  PostQuitMessage(0);
}

}  // namespace velmora::win32
