#include "drop_down_list.h"

namespace velmora {

DropDownList::DropDownList(const QStringList& items, QWidget* parent) : QComboBox(parent) {
  setEditable(false);
  addItems(items);
  // Adding items selects the first one; a new list starts with no selection.
  setCurrentIndex(-1);
  // activated is the user's pick; setting the index from code raises Click
  // in SetListIndex.
  connect(this, &QComboBox::activated, this, &DropDownList::Click);
}

void DropDownList::SetListIndex(int index) {
  setCurrentIndex(index);
  emit Click();
}

}  // namespace velmora
