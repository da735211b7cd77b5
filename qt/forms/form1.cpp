#include "forms/form1.h"

#include "accessibility/accessible_factory.h"
#include "controls/form_controls.h"
#include "controls/form_font.h"
#include "controls/layout_text.h"
#include "controls/window_icons.h"
#include "forms/forms.h"
#include "placement/twips.h"
#include "layout/form1_layout.h"
#include "placement/window_position.h"

namespace velmora {

namespace layout = form1_layout;

namespace {

// The fretboard picture, compiled in as raw pixels.
const QString kImage1Picture = QStringLiteral(":/fretboard.pixels");

template <std::size_t N>
QStringList ToItems(const std::array<std::string_view, N>& texts) {
  QStringList items;
  for (std::string_view text : texts) {
    items.append(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  }
  return items;
}

}  // namespace

Form1::Form1(Forms& forms) : forms_(forms) {
  InstallAccessibleFactory();
  // Minimize and close; no maximize.
  SetUpFixedWindow(*this, ToQString(layout::kCaption), MicrophoneIcon(), Qt::WindowMinimizeButtonHint,
                   layout::kClientWidth, layout::kClientHeight);

  // Controls are created from back to front, so each lies in front of those
  // made before it: the picture, the label, the markers (S6 in front), then
  // the lists and the button, which cover everything.
  Image1 = new PictureBox(kImage1Picture, this);
  Image1->setGeometry(twips::ToRect(layout::kImage1));
  Image1->setAccessibleName(ToQString(layout::kImage1Name));

  Label1 = MakeLabel(ToQString(layout::kLabel1Caption), layout::kLabel1, FormFont(layout::kLabel1PointSize), this);
  Label1->setAccessibleName(Label1->text());

  for (int string = 1; string <= kStringCount; ++string) {
    S[static_cast<std::size_t>(string - 1)] = new MarkerShape(
        layout::kMarkerLeft, layout::kMarkerTops[static_cast<std::size_t>(string - 1)], this);
  }

  Combo1 = new DropDownList(ToItems(kRootTexts), this);
  Combo1->setGeometry(twips::ToRect(layout::kCombo1));
  Combo1->SetSpokenName(ToQString(layout::kCombo1Name));
  Combo2 = new DropDownList(ToItems(kTypeTexts), this);
  Combo2->setGeometry(twips::ToRect(layout::kCombo2));
  Combo2->SetSpokenName(ToQString(layout::kCombo2Name));
  Combo2->SetSpokenItemText(0, ToQString(layout::kMajorSpokenText));

  Command1 = MakeCommandButton(ToQString(layout::kCommand1Caption), layout::kCommand1, this);
  Command1->setAccessibleName(ToQString(layout::kCommand1Name));

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
