#pragma once

namespace velmora {

// The toolkit's accessibility bridge asks the session for the accessibility
// bus in the background and starts to pass events on only once it has the
// answer. On a busy desktop the window manager can activate the chart before
// then: its activation and its focus pass unheard, and a screen reader that
// is already running says nothing of the chart until the user moves the
// focus. From this call on, the window that is active when the bridge starts
// is announced to readers then, activated and with its focus, as if it had
// just come to the front. Safe to call more than once.
void AnnounceActiveWindowWhenBridgeStarts();

}  // namespace velmora
