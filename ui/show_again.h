#pragma once

class QWidget;

namespace velmora {

// Shows a window that was hidden. On X11 the window manager lets go of a
// hidden window in its own time: it takes the window out of its frame and
// clears its WM_STATE. A window mapped again before that is done can be
// framed in the wrong place, so this first waits, half a second at most,
// for the manager to have let go of it.
void ShowAgain(QWidget& window);

}  // namespace velmora
