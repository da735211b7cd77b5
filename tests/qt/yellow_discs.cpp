#include "yellow_discs.h"

#include <QColor>
#include <vector>

namespace velmora {
namespace {

// How yellow a pixel is, 0 to 1: strong red and green against weak blue.
// Anti-aliased edge pixels count with their share of the disc.
double Yellowness(QRgb pixel) {
  const int blueGap = std::min(qRed(pixel), qGreen(pixel)) - qBlue(pixel);
  return std::clamp(blueGap / 255.0, 0.0, 1.0) * (qRed(pixel) > 150 && qGreen(pixel) > 150);
}

}  // namespace

std::vector<Disc> FindYellowDiscs(const QImage& source) {
  const QImage image = source.convertToFormat(QImage::Format_RGB32);
  const int width = image.width();
  const int height = image.height();
  std::vector<char> seen(static_cast<std::size_t>(width * height), 0);
  std::vector<Disc> discs;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (seen[static_cast<std::size_t>(y * width + x)] || Yellowness(image.pixel(x, y)) < 0.9) continue;
      // Flood the area of clearly yellow pixels, then weigh it and its
      // anti-aliased rim by their yellowness.
      double weight = 0, sumX = 0, sumY = 0;
      int count = 0;
      std::vector<QPoint> stack = {{x, y}};
      seen[static_cast<std::size_t>(y * width + x)] = 1;
      while (!stack.empty()) {
        const QPoint p = stack.back();
        stack.pop_back();
        const double w = Yellowness(image.pixel(p));
        weight += w;
        sumX += w * (p.x() + 0.5);
        sumY += w * (p.y() + 0.5);
        ++count;
        for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
          const QPoint n = p + step;
          if (n.x() < 0 || n.y() < 0 || n.x() >= width || n.y() >= height) continue;
          char& mark = seen[static_cast<std::size_t>(n.y() * width + n.x())];
          if (mark || Yellowness(image.pixel(n)) < 0.05) continue;
          mark = 1;
          stack.push_back(n);
        }
      }
      discs.push_back({QPointF(sumX / weight, sumY / weight), count});
    }
  }
  return discs;
}

}  // namespace velmora
