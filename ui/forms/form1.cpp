#include "forms/form1.h"

#include "accessibility/accessible_factory.h"
#include "controls/form_controls.h"
#include "controls/form_font.h"
#include "controls/window_icons.h"
#include "forms/form1_layout.h"
#include "forms/forms.h"
#include "placement/twips.h"
#include "placement/window_position.h"

namespace velmora {

namespace layout = form1_layout;

Form1::Form1(Forms& forms) : forms_(forms) {
  InstallAccessibleFactory();
  // Minimize and close; no maximize.
  SetUpFixedWindow(*this, layout::kCaption, MicrophoneIcon(), Qt::WindowMinimizeButtonHint,
                   layout::kClientWidth, layout::kClientHeight);

  // Controls are created from back to front, so each lies in front of those
  // made before it: the picture, the label, the markers (S6 in front), then
  // the lists and the button, which cover everything.
  Image1 = new PictureBox(layout::kImage1Picture, this);
  Image1->setGeometry(twips::ToRect(layout::kImage1));
  Image1->setAccessibleName(layout::kImage1Name);

  Label1 = MakeLabel(layout::kLabel1Caption, layout::kLabel1, FormFont(layout::kLabel1PointSize), this);
  Label1->setAccessibleName(Label1->text());

  for (int string = 1; string <= kStringCount; ++string) {
    S[static_cast<std::size_t>(string - 1)] = new MarkerShape(
        layout::kMarkerLeft, layout::kMarkerTops[static_cast<std::size_t>(string - 1)], this);
  }

  Combo1 = new DropDownList(layout::RootItems(), this);
  Combo1->setGeometry(twips::ToRect(layout::kCombo1));
  Combo1->SetSpokenName(layout::kCombo1Name);
  Combo2 = new DropDownList(layout::TypeItems(), this);
  Combo2->setGeometry(twips::ToRect(layout::kCombo2));
  Combo2->SetSpokenName(layout::kCombo2Name);
  Combo2->SetSpokenItemText(0, layout::kMajorSpokenText);

  Command1 = MakeCommandButton(layout::kCommand1Caption, layout::kCommand1, this);
  Command1->setAccessibleName(layout::kCommand1Name);

  setTabOrder(Combo1, Combo2);
  setTabOrder(Combo2, Command1);
  Combo1->setFocus();

  connect(Combo1, &DropDownList::Click, this, [this] { Combo1_Click(); });
  connect(Combo2, &DropDownList::Click, this, [this] { Combo2_Click(); });
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void Form1::Form_Load() {
  chart_.FillFretTable();
  Combo1->SetListIndex(0);
  Combo2->SetListIndex(0);
}

void Form1::Combo1_Click() { chart_.UpdateChordDisplay(); }

void Form1::Combo2_Click() { chart_.UpdateChordDisplay(); }

void Form1::Command1_Click() {
  HideWindow(*this);
  ShowWindow(forms_.form2());
}

}  // namespace velmora
