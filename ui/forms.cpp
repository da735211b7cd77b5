#include "forms.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>

namespace velmora {

Forms::Forms() = default;
Forms::~Forms() = default;

Form1& Forms::form1() {
  if (!form1_) {
    form1_ = std::make_unique<Form1>();
    form1_->Form_Load();
  }
  return *form1_;
}

void Forms::Start() {
  Form1& chart = form1();
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  // The client area is centred; the frame the window manager adds around it
  // is not known before the window is first shown.
  chart.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, chart.size(), screen));
  chart.show();
}

}  // namespace velmora
