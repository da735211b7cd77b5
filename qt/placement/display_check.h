#pragma once

#include <string>

namespace velmora {

// What keeps the program from reaching a display, as one line for the user,
// or an empty string when nothing does as far as can be told before the
// toolkit starts. Where the toolkit would open an X display, it is opened and
// closed here first: the toolkit aborts when it cannot open it. Only where a
// display variable means something; elsewhere always empty.
std::string DisplayProblem();

// Where the user has not chosen a platform (QT_QPA_PLATFORM unset) and both
// a Wayland display and an X display are set, as in a Wayland session with
// XWayland: X11 where its display opens, since a Wayland client cannot place
// its own windows and the About window could not take the chart's place;
// Wayland where it does not. Runs before the toolkit starts.
void ChooseDisplayPlatform();

}  // namespace velmora
