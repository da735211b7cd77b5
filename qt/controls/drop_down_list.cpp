#include "controls/drop_down_list.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QItemSelectionModel>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QStandardItemModel>

namespace velmora {
namespace {

// The list's items, the selected one described for a screen reader by what
// the list says it leads to. The description is read when a reader asks, so
// changing it touches neither the items nor what the list shows.
class ListItems : public QStandardItemModel {
 public:
  explicit ListItems(DropDownList* list) : QStandardItemModel(list), list_(list) {}

  QVariant data(const QModelIndex& index, int role) const override {
    if (role == Qt::AccessibleDescriptionRole && index.isValid() && index.row() == list_->currentIndex()) {
      return list_->SpokenItemDescription();
    }
    return QStandardItemModel::data(index, role);
  }

 private:
  const DropDownList* list_;
};

}  // namespace

DropDownList::DropDownList(const QStringList& items, QWidget* parent) : QComboBox(parent) {
  setEditable(false);
  setModel(new ListItems(this));
  addItems(items);
  // Adding items selects the first one; a new list starts with no selection.
  setCurrentIndex(-1);
  // activated is the user's pick; setting the index from code raises Click
  // in SetListIndex.
  connect(this, &QComboBox::activated, this, &DropDownList::Click);
  connect(this, &QComboBox::currentIndexChanged, this, &DropDownList::AnnounceSpokenText);
  connect(this, &QComboBox::currentIndexChanged, this, &DropDownList::KeepItemViewOnSelection);
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

void DropDownList::SetSpokenItemDescription(const QString& description) { itemDescription_ = description; }

void DropDownList::keyPressEvent(QKeyEvent* event) {
  const int previous = currentIndex();
  // A letter is looked up from the item view's current item: made at the
  // first key, the view starts on the selected item.
  FollowSelection(*view());
  {
    const QScopedValueRollback<bool> handling(handlingKeyOrWheel_, true);
    QComboBox::keyPressEvent(event);
  }
  PresentPickedItem(previous);
}

void DropDownList::wheelEvent(QWheelEvent* event) {
  const int previous = currentIndex();
  {
    const QScopedValueRollback<bool> handling(handlingKeyOrWheel_, true);
    QComboBox::wheelEvent(event);
  }
  PresentPickedItem(previous);
}

void DropDownList::KeepItemViewOnSelection() {
  // A key or the wheel is followed once it has been handled.
  if (handlingKeyOrWheel_) return;
  // The item view is made only when first needed; until then there is
  // nothing to keep in step.
  if (auto* items = findChild<QAbstractItemView*>()) FollowSelection(*items);
}

bool DropDownList::FollowSelection(QAbstractItemView& items) const {
  if (items.isVisible() || currentIndex() < 0) return false;
  const QModelIndex selected = model()->index(currentIndex(), modelColumn(), rootModelIndex());
  if (items.currentIndex() == selected) return false;
  // Quietly: the item view would hand the focus to its new current item.
  const QSignalBlocker quiet(items.selectionModel());
  items.selectionModel()->setCurrentIndex(selected, QItemSelectionModel::NoUpdate);
  return true;
}

void DropDownList::PresentPickedItem(int previousIndex) {
  // On the opened list the toolkit moves the focus through the items itself,
  // and closing it gives the focus back to the list, which a reader presents
  // with its item. On the closed list nothing moves: a reader that speaks a
  // closed list's new item only when the focus or the selection reaches it
  // would stay silent. The focus is handed to the item for the reader, the
  // keyboard's stays on the list. By now the pick has been handled, so the
  // item's description is the chord it led to.
  //
  // A root's first letter is looked up in the item view, which moves its
  // current item there and hands it the focus itself; the view is otherwise
  // kept on the selected item (KeepItemViewOnSelection), so that the look-up
  // starts from there and raises nothing for the item it leaves.
  QAbstractItemView& items = *view();
  const bool moved = FollowSelection(items);
  if (!moved || currentIndex() == previousIndex || !hasFocus()) return;
  QAccessibleEvent event(&items, QAccessible::Focus);
  event.setChild(currentIndex());
  QAccessible::updateAccessibility(&event);
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
