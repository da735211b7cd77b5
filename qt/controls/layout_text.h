#pragma once

#include <QByteArray>
#include <QString>
#include <string>
#include <string_view>

namespace velmora {

// A text of the shared layouts, which are UTF-16 as Qt's strings are.
inline QString ToQString(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// A Qt text as the model's and the layouts' UTF-8, copied byte for byte rather
// than through QByteArray::toStdString, which Qt exports only from 6.4 on.
inline std::string ToStdString(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  return {utf8.constData(), static_cast<std::size_t>(utf8.size())};
}

}  // namespace velmora
