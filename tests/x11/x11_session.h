#pragma once

namespace velmora {

class XDesktop;
class XWindows;

// The desktop of this test run, and the test's own connection to its X
// server.
const XDesktop& RunningDesktop();
XWindows& Server();

}  // namespace velmora
