#include "accessibility/bridge_start.h"

#include <QAccessible>
#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace velmora {
namespace {

// Tells readers that the window is active and where its focus is, in the
// events the toolkit raises when a window comes to the front.
void AnnounceActivated(QWidget& window) {
  // It may have lost the front while the bridge set itself up; then its
  // deactivation has been passed on, and nothing is left to tell.
  if (!window.isActiveWindow()) return;
  QAccessible::State active;
  active.active = true;
  QAccessibleStateChangeEvent activated(&window, active);
  QAccessible::updateAccessibility(&activated);
  if (QWidget* focus = QApplication::focusWidget(); focus != nullptr && focus->window() == &window) {
    QAccessibleEvent focused(focus, QAccessible::Focus);
    QAccessible::updateAccessibility(&focused);
  }
}

class BridgeStart final : public QAccessible::ActivationObserver {
 public:
  void accessibilityActiveChanged(bool active) override {
    if (!active) return;
    // A window that is not active yet will have its activation passed on as
    // it comes. One that already is came to the front unheard.
    QWidget* window = QApplication::activeWindow();
    if (window == nullptr) return;
    // The bridge says it is active before it has set up what passes events
    // on; it has once the event loop comes round again.
    QTimer::singleShot(0, window, [window = QPointer<QWidget>(window)] {
      if (window) AnnounceActivated(*window);
    });
  }
};

}  // namespace

void AnnounceActiveWindowWhenBridgeStarts() {
  static BridgeStart observer;
  QAccessible::installActivationObserver(&observer);
}

}  // namespace velmora
