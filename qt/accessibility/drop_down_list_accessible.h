#pragma once

#include <QAccessibleWidget>

namespace velmora {

class DropDownList;

// What a screen reader sees of a drop-down list: a combo box whose name says
// what it picks and stays the same whichever item is shown, whose value and
// read-only text are the selected item as spoken, and whose one child is the
// list of items that opens from it, named as the list is.
// While closed, that child stands in no place among its parent's children.
class DropDownListAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit DropDownListAccessible(DropDownList* list);

  QString text(QAccessible::Text kind) const override;
  QAccessible::State state() const override;
  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  void* interface_cast(QAccessible::InterfaceType type) override;

  QStringList actionNames() const override;
  void doAction(const QString& action) override;

  // The read-only text: the selected item as spoken, nothing selectable.
  QString text(int startOffset, int endOffset) const override;
  int characterCount() const override;
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  void selection(int, int* startOffset, int* endOffset) const override;
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  QRect characterRect(int) const override { return {}; }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int offset, int* startOffset, int* endOffset) const override;

 private:
  DropDownList* List() const;
};

}  // namespace velmora
