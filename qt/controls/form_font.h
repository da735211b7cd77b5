#pragma once

#include <QFont>

namespace velmora {

// The windows' default font, 8.25 pt regular. Where its family is missing,
// a metric-compatible sans serif with Cyrillic stands in at the same sizes.
QFont FormFont(double pointSize = 8.25, QFont::Weight weight = QFont::Normal);

}  // namespace velmora
