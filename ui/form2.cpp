#include "form2.h"

#include <QCloseEvent>

#include "form2_layout.h"
#include "form_font.h"
#include "forms.h"
#include "window_icons.h"
#include "window_position.h"

namespace velmora {

namespace layout = form2_layout;

namespace {

QLabel* MakeLabel(const QString& caption, const twips::Rect& rect, const QFont& font, QWidget* parent) {
  auto* label = new QLabel(caption, parent);
  label->setGeometry(twips::ToRect(rect));
  label->setFont(font);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setWordWrap(true);
  label->setAutoFillBackground(true);
  return label;
}

}  // namespace

Form2::Form2(Forms& forms) : forms_(forms) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(layout::kCaption);
  setWindowIcon(NotesIcon());
  // A fixed single border with only the close button.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setFixedSize(twips::ToSize(layout::kClientWidth, layout::kClientHeight));
  setFont(FormFont());
  QPalette face = palette();
  face.setColor(QPalette::Window, face.color(QPalette::Button));
  setPalette(face);
  setAutoFillBackground(true);

  // Created from back to front: each control lies in front of those before it.
  Label1 = MakeLabel(layout::kLabel1Caption, layout::kLabel1, FormFont(), this);
  Label2 = MakeLabel(layout::kLabel2Caption, layout::kLabel2, FormFont(layout::kLabel2PointSize), this);
  Label3 = MakeLabel(layout::kLabel3Caption, layout::kLabel3, FormFont(8.25, QFont::Bold), this);
  Command1 = new QPushButton(layout::kCommand1Caption, this);
  Command1->setGeometry(twips::ToRect(layout::kCommand1));
  Command1->setAutoDefault(true);
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
  chart.setVisible(true);
  SetWindowLeft(chart, WindowLeft(*this));
  SetWindowTop(chart, WindowTop(*this));
}

void Form2::closeEvent(QCloseEvent* event) {
  bool cancel = false;
  Form_Unload(cancel);
  event->setAccepted(!cancel);
  if (!cancel) forms_.Unloaded(*this);
}

}  // namespace velmora
