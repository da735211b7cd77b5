#include "show_again.h"

#include <QWidget>

namespace velmora {

// Without X11 there is no window manager to wait for.
void ShowAgain(QWidget& window) { window.setVisible(true); }

}  // namespace velmora
