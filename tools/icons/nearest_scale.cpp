#include "nearest_scale.h"

#include <stdexcept>

namespace velmora::icons {

QImage EnlargeNearest(const QImage& image, int factor) {
  if (factor < 1) {
    throw std::invalid_argument("enlargement factor below 1");
  }
  const QImage source = image.convertToFormat(QImage::Format_ARGB32);
  QImage result(source.width() * factor, source.height() * factor,
                QImage::Format_ARGB32);
  for (int y = 0; y < result.height(); ++y) {
    const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(y / factor));
    auto* to = reinterpret_cast<QRgb*>(result.scanLine(y));
    for (int x = 0; x < result.width(); ++x) {
      to[x] = from[x / factor];
    }
  }
  return result;
}

}  // namespace velmora::icons
