#include "form_font.h"

#include <QStringList>

namespace velmora {

QFont FormFont(double pointSize, QFont::Weight weight) {
  QFont font;
  font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")});
  font.setPointSizeF(pointSize);
  font.setWeight(weight);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

}  // namespace velmora
