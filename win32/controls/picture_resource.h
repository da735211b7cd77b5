#pragma once

#include <windows.h>

namespace velmora::win32 {

// The picture carried as the program's RCDATA resource `id`, as a 32-bit
// top-down bitmap; nullptr if it cannot be read. A picture is carried either
// as raw pixels (the width and the height as 32-bit little-endian numbers,
// then the rows of 0xffRRGGBB pixels, little-endian), shown without a
// decoder, or as PNG.
HBITMAP LoadPictureResource(int id);

}  // namespace velmora::win32
