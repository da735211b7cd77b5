#include "form1.h"

#include "form1_layout.h"
#include "forms.h"
#include "form_font.h"
#include "twips.h"
#include "window_icons.h"

namespace velmora {

namespace layout = form1_layout;

Form1::Form1(Forms& forms) : forms_(forms) {
  setWindowTitle(layout::kCaption);
  setWindowIcon(MicrophoneIcon());
  // A fixed single border with minimize and close; no maximize.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(twips::ToSize(layout::kClientWidth, layout::kClientHeight));
  setFont(FormFont());
  QPalette face = palette();
  face.setColor(QPalette::Window, face.color(QPalette::Button));
  setPalette(face);
  setAutoFillBackground(true);

  // Controls are created from back to front, so each lies in front of those
  // made before it: the picture, the label, the markers (S6 in front), then
  // the lists and the button, which cover everything.
  Image1 = new PictureBox(layout::kImage1Picture, this);
  Image1->setGeometry(twips::ToRect(layout::kImage1));
  Image1->setAccessibleName(layout::kImage1Name);

  Label1 = new QLabel(layout::kLabel1Caption, this);
  Label1->setGeometry(twips::ToRect(layout::kLabel1));
  Label1->setFont(FormFont(layout::kLabel1PointSize));
  Label1->setTextFormat(Qt::PlainText);
  Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Label1->setWordWrap(true);
  Label1->setAutoFillBackground(true);
  Label1->setAccessibleName(layout::kLabel1Name);

  for (int string = 1; string <= kStringCount; ++string) {
    S[static_cast<std::size_t>(string - 1)] = new MarkerShape(
        layout::kMarkerLeft, layout::kMarkerTops[static_cast<std::size_t>(string - 1)], this);
  }

  Combo1 = new DropDownList(layout::RootItems(), this);
  Combo1->setGeometry(twips::ToRect(layout::kCombo1));
  Combo1->setAccessibleName(layout::kCombo1Name);
  Combo2 = new DropDownList(layout::TypeItems(), this);
  Combo2->setGeometry(twips::ToRect(layout::kCombo2));
  Combo2->setAccessibleName(layout::kCombo2Name);

  Command1 = new QPushButton(layout::kCommand1Caption, this);
  Command1->setGeometry(twips::ToRect(layout::kCommand1));
  Command1->setAccessibleName(layout::kCommand1Name);
  // Enter presses the button only while it has the focus; it is nobody's
  // default button.
  Command1->setAutoDefault(true);

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
  setVisible(false);
  forms_.form2().show();
}

}  // namespace velmora
