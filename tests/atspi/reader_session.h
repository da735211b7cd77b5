#pragma once

namespace velmora {

class XDesktop;
class ScreenReader;

// The desktop and the reader of this test run.
const XDesktop& Desktop();
ScreenReader& Reader();

}  // namespace velmora
