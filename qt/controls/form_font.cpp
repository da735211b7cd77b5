#include "controls/form_font.h"

#include <QFontDatabase>

namespace velmora {
namespace {

// Decided once: asking the toolkit for a family that is not installed makes
// it sort every installed font for a fallback, at each font it resolves.
const QString& FormFamily() {
  static const QString family = QFontDatabase::hasFamily(QStringLiteral("MS Sans Serif"))
                                    ? QStringLiteral("MS Sans Serif")
                                    : QStringLiteral("Liberation Sans");
  return family;
}

}  // namespace

QFont FormFont(double pointSize, QFont::Weight weight) {
  QFont font(FormFamily());
  font.setPointSizeF(pointSize);
  font.setWeight(weight);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

}  // namespace velmora
