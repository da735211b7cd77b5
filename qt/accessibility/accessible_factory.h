#pragma once

namespace velmora {

// Makes the toolkit describe the program to screen readers in its own way:
// windows as AccessibleWindow, lists as DropDownListAccessible, the
// fretboard as an image, and the string markers not at all. Safe to call
// more than once; the chart window calls it first thing.
void InstallAccessibleFactory();

}  // namespace velmora
