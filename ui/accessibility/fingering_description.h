#pragma once

#include <QString>
#include <array>

#include "fret_positions.h"

namespace velmora {

class Form1;

// The fingering the markers show, as a guitarist reads a chord diagram:
// string 6 first, "x" for a string whose marker is hidden, else the fret its
// marker stands on ("x 0 2 2 2 0" for A major).
QString FingeringDescription(const Form1& form);

}  // namespace velmora
