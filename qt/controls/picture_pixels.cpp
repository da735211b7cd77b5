#include "controls/picture_pixels.h"

#include <QResource>
#include <QtEndian>
#include <cstring>

namespace velmora {
namespace {

constexpr qint64 kHeaderSize = 8;

}  // namespace

QImage ReadPicturePixels(const QString& resourcePath) {
  const QResource resource(resourcePath);
  if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression ||
      resource.size() < kHeaderSize) {
    return {};
  }
  const uchar* data = resource.data();
  const auto width = static_cast<qint64>(qFromLittleEndian<quint32>(data));
  const auto height = static_cast<qint64>(qFromLittleEndian<quint32>(data + 4));
  if (width <= 0 || height <= 0 || resource.size() != kHeaderSize + width * height * 4) return {};

  // The pixels are copied into an image of the program's own: resource data
  // carries no alignment guarantee, and a copy costs far less than a decode.
  QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
  const uchar* pixels = data + kHeaderSize;
  for (int y = 0; y < image.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      row[x] = qFromLittleEndian<quint32>(pixels);
      pixels += 4;
    }
  }
  return image;
}

}  // namespace velmora
