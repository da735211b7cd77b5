#include "accessibility/accessible_window.h"

#include <QWidget>

namespace velmora {
namespace {
constexpr char kPresentsAsDialog[] = "velmoraPresentsAsDialog";
}  // namespace

void PresentAsDialog(QWidget& window) { window.setProperty(kPresentsAsDialog, true); }
bool PresentsAsDialog(const QWidget& window) { return window.property(kPresentsAsDialog).toBool(); }

AccessibleWindow::AccessibleWindow(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}

QAccessible::Role AccessibleWindow::role() const {
  return PresentsAsDialog(*widget()) ? QAccessible::Dialog : QAccessible::Window;
}

QWidgetList AccessibleWindow::Controls() const {
  QWidgetList controls;
  for (QObject* object : widget()->children()) {
    auto* control = qobject_cast<QWidget*>(object);
    if (control == nullptr || control->isWindow()) continue;
    // A control whose interface says it is not there is left out.
    const QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    if (accessible != nullptr && accessible->isValid()) controls.append(control);
  }
  return controls;
}

int AccessibleWindow::childCount() const { return static_cast<int>(Controls().size()); }

QAccessibleInterface* AccessibleWindow::child(int index) const {
  const QWidgetList controls = Controls();
  if (index < 0 || index >= controls.size()) return nullptr;
  return QAccessible::queryAccessibleInterface(controls.at(index));
}

int AccessibleWindow::indexOfChild(const QAccessibleInterface* child) const {
  if (child == nullptr) return -1;
  return static_cast<int>(Controls().indexOf(qobject_cast<QWidget*>(child->object())));
}

}  // namespace velmora
