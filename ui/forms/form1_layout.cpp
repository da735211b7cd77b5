#include "forms/form1_layout.h"

namespace velmora::form1_layout {
namespace {

template <std::size_t N>
QStringList ToItems(const std::array<std::string_view, N>& texts) {
  QStringList items;
  for (std::string_view text : texts) {
    items.append(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  }
  return items;
}

}  // namespace

QStringList RootItems() { return ToItems(kRootTexts); }
QStringList TypeItems() { return ToItems(kTypeTexts); }

}  // namespace velmora::form1_layout
