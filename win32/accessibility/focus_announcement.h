#pragma once

#include <windows.h>

namespace velmora::win32 {

// Gives a control the keyboard and makes sure a screen reader hears of it.
// Windows tells readers of every focus it gives. Wine 8 does not when no
// window of the program had the focus before, as when a form has just been
// shown: there the program tells them itself, once.
void GiveFocus(HWND control);

}  // namespace velmora::win32
