#include "forms/forms.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>

#include "accessibility/bridge_start.h"

namespace velmora {

Forms::Forms() = default;

Forms::~Forms() { delete form2_; }

Form1& Forms::form1() {
  if (!form1_) {
    form1_ = std::make_unique<Form1>(*this);
    form1_->Form_Load();
  }
  return *form1_;
}

Form2& Forms::form2() {
  if (!form2_) {
    form2_ = new Form2(*this);
    form2_->Form_Load();
  }
  return *form2_;
}

void Forms::Start() {
  // Lets the desktop match the window to its menu entry and icon.
  QGuiApplication::setDesktopFileName(QStringLiteral(VELMORA_APP_ID));
  AnnounceActiveWindowWhenBridgeStarts();
  Form1& chart = form1();
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  // The client area is centred; the frame the window manager adds around it
  // is not known before the window is first shown.
  chart.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, chart.size(), screen));
  chart.show();
}

void Forms::Unload(Form2& form) { form.close(); }

void Forms::Unloaded(Form2& form) {
  if (form2_ == &form) form2_ = nullptr;
}

}  // namespace velmora
