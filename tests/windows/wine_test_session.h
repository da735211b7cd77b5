#pragma once

#include "x_desktop.h"

namespace velmora {

// The test desktop that Velmora.exe's tests under Wine run on, one for the
// test process (wine_test_main.cpp).
XDesktop& TestDesktop();

}  // namespace velmora
