#pragma once

#include <QAccessibleWidget>
#include <QWidgetList>

namespace velmora {

// What a screen reader sees of one of the program's windows: a frame, or a
// dialog for a window that presents itself as one, named by its title, whose
// children are its controls, but for those that stand for no object of their
// own (the string markers, for which the fretboard speaks).
class AccessibleWindow : public QAccessibleWidget {
 public:
  explicit AccessibleWindow(QWidget* window);

  QAccessible::Role role() const override;

  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;

 private:
  QWidgetList Controls() const;
};

// Has a window present itself to a screen reader as a dialog, as About does:
// a reader reads a dialog's texts out as it opens, while a frame's it leaves
// for the user to look for. Nothing on the screen changes.
void PresentAsDialog(QWidget& window);
bool PresentsAsDialog(const QWidget& window);

}  // namespace velmora
