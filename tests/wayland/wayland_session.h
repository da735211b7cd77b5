#pragma once

namespace velmora {

class WaylandDesktop;

// The Wayland desktop of this test run.
const WaylandDesktop& RunningWaylandDesktop();

}  // namespace velmora
