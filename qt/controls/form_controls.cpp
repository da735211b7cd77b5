#include "controls/form_controls.h"

#include "controls/form_font.h"

namespace velmora {

void SetUpFixedWindow(QWidget& window, const QString& caption, const QIcon& icon,
                      Qt::WindowFlags titleButtons, int clientWidthTwips, int clientHeightTwips) {
  window.setWindowTitle(caption);
  window.setWindowIcon(icon);
  window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                        Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | titleButtons);
  window.setFixedSize(twips::ToSize(clientWidthTwips, clientHeightTwips));
  window.setFont(FormFont());
  QPalette face = window.palette();
  face.setColor(QPalette::Window, face.color(QPalette::Button));
  window.setPalette(face);
  window.setAutoFillBackground(true);
}

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

QPushButton* MakeCommandButton(const QString& caption, const twips::Rect& rect, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setGeometry(twips::ToRect(rect));
  button->setAutoDefault(true);
  return button;
}

}  // namespace velmora
