#pragma once

#include <windows.h>

namespace velmora::win32 {

// The forms' font, "MS Sans Serif" with the Cyrillic character set, at a
// size in points for a window of `dpi` dots per inch. The caller deletes it.
HFONT CreateFormFont(double pointSize, bool bold, UINT dpi);

}  // namespace velmora::win32
