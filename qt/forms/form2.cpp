#include "forms/form2.h"

#include <QCloseEvent>

#include "accessibility/accessible_window.h"
#include "controls/form_controls.h"
#include "controls/form_font.h"
#include "controls/layout_text.h"
#include "controls/window_icons.h"
#include "forms/forms.h"
#include "layout/form2_layout.h"
#include "placement/window_position.h"

namespace velmora {

namespace layout = form2_layout;

Form2::Form2(Forms& forms) : forms_(forms) {
  setAttribute(Qt::WA_DeleteOnClose);
  PresentAsDialog(*this);
  // Only the close button: no minimize, no maximize.
  SetUpFixedWindow(*this, ToQString(layout::kCaption), NotesIcon(), {}, layout::kClientWidth, layout::kClientHeight);

  // Created from back to front: each control lies in front of those before it.
  Label1 = MakeLabel(ToQString(layout::kLabel1Caption), layout::kLabel1, FormFont(), this);
  Label2 = MakeLabel(ToQString(layout::kLabel2Caption), layout::kLabel2, FormFont(layout::kLabel2PointSize), this);
  Label3 = MakeLabel(ToQString(layout::kLabel3Caption), layout::kLabel3, FormFont(layout::kLabel3PointSize, QFont::Bold), this);
  Label3->setAccessibleName(ToQString(layout::kLabel3SpokenName));
  Command1 = MakeCommandButton(ToQString(layout::kCommand1Caption), layout::kCommand1, this);
  Command1->setFocus();

  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void Form2::Form_Load() {
  Form1& chart = forms_.form1();
  SetWindowLeft(*this, WindowLeft(chart));
  SetWindowTop(*this, WindowTop(chart));
}

void Form2::Command1_Click() { forms_.Unload(*this); }

void Form2::Form_Unload(bool&) {
  Form1& chart = forms_.form1();
  ShowWindow(chart);
  SetWindowLeft(chart, WindowLeft(*this));
  SetWindowTop(chart, WindowTop(*this));
}

void Form2::closeEvent(QCloseEvent* event) {
  bool cancel = false;
  {
    // The chart is shown and then moved: the window system sees it only
    // where it ends up.
    ShowAfterPlacing placing;
    Form_Unload(cancel);
  }
  event->setAccepted(!cancel);
  if (!cancel) forms_.Unloaded(*this);
}

}  // namespace velmora
