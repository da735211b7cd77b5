#pragma once

#include <QAccessibleWidget>
#include <QWidgetList>

namespace velmora {

// What a screen reader sees of one of the program's windows: a frame named
// by its title whose children are its controls, but for those that stand for
// no object of their own (the string markers, for which the fretboard
// speaks).
class AccessibleWindow : public QAccessibleWidget {
 public:
  explicit AccessibleWindow(QWidget* window);

  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;

 private:
  QWidgetList Controls() const;
};

}  // namespace velmora
