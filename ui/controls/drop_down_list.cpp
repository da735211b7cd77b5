#include "controls/drop_down_list.h"

#include <QAccessible>

namespace velmora {

DropDownList::DropDownList(const QStringList& items, QWidget* parent) : QComboBox(parent) {
  setEditable(false);
  addItems(items);
  // Adding items selects the first one; a new list starts with no selection.
  setCurrentIndex(-1);
  // activated is the user's pick; setting the index from code raises Click
  // in SetListIndex.
  connect(this, &QComboBox::activated, this, &DropDownList::Click);
  connect(this, &QComboBox::currentIndexChanged, this, &DropDownList::AnnounceSpokenText);
}

void DropDownList::SetListIndex(int index) {
  setCurrentIndex(index);
  emit Click();
}

void DropDownList::SetSpokenName(const QString& name) { setAccessibleName(name); }

void DropDownList::SetSpokenItemText(int index, const QString& text) {
  setItemData(index, text, Qt::AccessibleTextRole);
}

QString DropDownList::SpokenText() const {
  const QString spoken = currentData(Qt::AccessibleTextRole).toString();
  return spoken.isEmpty() ? currentText() : spoken;
}

void DropDownList::AnnounceSpokenText() {
  const QString spoken = SpokenText();
  if (spoken == spoken_) return;
  // The list's text is the selected item as spoken: a reader is told which
  // text went and which came.
  QAccessibleTextUpdateEvent event(this, 0, spoken_, spoken);
  spoken_ = spoken;
  QAccessible::updateAccessibility(&event);
}

}  // namespace velmora
