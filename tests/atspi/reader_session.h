#pragma once

namespace velmora {

class AccessibilityDesktop;
class ScreenReader;

// The desktop and the reader of this test run.
const AccessibilityDesktop& Desktop();
ScreenReader& Reader();

}  // namespace velmora
