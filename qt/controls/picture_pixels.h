#pragma once

#include <QImage>
#include <QString>

namespace velmora {

// A picture compiled into the program as raw pixels (width, height, then
// 0xffRRGGBB rows, all 32-bit little-endian), shown without any decoder.
// Null if the resource is missing or malformed.
QImage ReadPicturePixels(const QString& resourcePath);

}  // namespace velmora
