#include "placement/native_placement.h"

namespace velmora {

// Built without X11: Qt's own geometry serves on every platform.
NativePlacement* PlatformPlacement() { return nullptr; }

}  // namespace velmora
