#pragma once

#include <QString>
#include <string_view>

namespace velmora {

// A text of the shared layouts, which are UTF-16 as Qt's strings are.
inline QString ToQString(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace velmora
