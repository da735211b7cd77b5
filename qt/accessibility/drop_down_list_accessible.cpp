#include "accessibility/drop_down_list_accessible.h"

#include <QAbstractItemView>

#include "controls/drop_down_list.h"

namespace velmora {

DropDownListAccessible::DropDownListAccessible(DropDownList* list)
    : QAccessibleWidget(list, QAccessible::ComboBox) {}

DropDownList* DropDownListAccessible::List() const { return static_cast<DropDownList*>(widget()); }

QString DropDownListAccessible::text(QAccessible::Text kind) const {
  if (kind == QAccessible::Value) return List()->SpokenText();
  return QAccessibleWidget::text(kind);
}

QAccessible::State DropDownListAccessible::state() const {
  QAccessible::State state = QAccessibleWidget::state();
  state.expandable = true;
  state.expanded = List()->view()->isVisible();
  return state;
}

int DropDownListAccessible::childCount() const { return 1; }

QAccessibleInterface* DropDownListAccessible::child(int index) const {
  if (index != 0) return nullptr;
  // The item list is made only when first needed, by the list opening or by
  // a reader coming here; it bears the list's name.
  QAbstractItemView* items = List()->view();
  if (items->accessibleName() != List()->accessibleName()) items->setAccessibleName(List()->accessibleName());
  return QAccessible::queryAccessibleInterface(items);
}

int DropDownListAccessible::indexOfChild(const QAccessibleInterface* child) const {
  // While the list is closed its item list is reached from the list but has
  // no place among what the window shows. Orca takes an object without a
  // place for one that is gone, and says nothing of it when it tells where
  // the focus has come: a pick on the closed list, which hands the focus to
  // the new item (DropDownList::PresentPickedItem), is spoken as the item
  // and its chord, not as the item list being entered, with its name and
  // item count.
  return child != nullptr && child->object() == List()->view() && List()->view()->isVisible() ? 0 : -1;
}

void* DropDownListAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

QStringList DropDownListAccessible::actionNames() const {
  return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
}

void DropDownListAccessible::doAction(const QString& action) {
  if (action == showMenuAction()) {
    List()->showPopup();
    return;
  }
  QAccessibleWidget::doAction(action);
}

QString DropDownListAccessible::text(int startOffset, int endOffset) const {
  return List()->SpokenText().mid(startOffset, endOffset - startOffset);
}

int DropDownListAccessible::characterCount() const { return static_cast<int>(List()->SpokenText().size()); }

void DropDownListAccessible::selection(int, int* startOffset, int* endOffset) const {
  *startOffset = 0;
  *endOffset = 0;
}

QString DropDownListAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
  *startOffset = offset;
  *endOffset = offset;
  return {};
}

}  // namespace velmora
