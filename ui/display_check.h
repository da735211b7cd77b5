#pragma once

#include <string>

namespace velmora {

// What keeps the program from reaching a display, as one line for the user,
// or an empty string when nothing does as far as can be told before the
// toolkit starts. Where the toolkit would open an X display, it is opened and
// closed here first: the toolkit aborts when it cannot open it. Only where a
// display variable means something; elsewhere always empty.
std::string DisplayProblem();

}  // namespace velmora
