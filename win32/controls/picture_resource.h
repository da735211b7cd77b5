#pragma once

#include <windows.h>

namespace velmora::win32 {

// The PNG picture carried as the program's RCDATA resource `id`, decoded into
// a 32-bit top-down bitmap; nullptr if it cannot be read.
HBITMAP LoadPictureResource(int id);

}  // namespace velmora::win32
