#include "wood_grain.h"

#include <QRgb>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "fretboard_geometry.h"
#include "grain_random.h"

namespace velmora::fretboard {
namespace {

constexpr std::uint32_t kSeed = 0x5EC0A7E1U;

// Random values on a grid of cells much taller than wide, blended smoothly
// between grid points: streaks that run up and down the picture.
class StreakNoise {
 public:
  StreakNoise(GrainRandom& random, double cellWidth, double cellHeight)
      : cellWidth_(cellWidth),
        cellHeight_(cellHeight),
        columns_(static_cast<int>(std::ceil(kWidth / cellWidth)) + 2),
        rows_(static_cast<int>(std::ceil(kHeight / cellHeight)) + 2),
        values_(static_cast<std::size_t>(columns_ * rows_)) {
    for (double& value : values_) {
      value = random.Unit();
    }
  }

  // In [0, 1] for any point of the picture.
  double At(double x, double y) const {
    const double gx = std::clamp(x / cellWidth_, 0.0, columns_ - 1.001);
    const double gy = std::clamp(y / cellHeight_, 0.0, rows_ - 1.001);
    const int i = static_cast<int>(gx);
    const int j = static_cast<int>(gy);
    const double fx = Smooth(gx - i);
    const double fy = Smooth(gy - j);
    const double top = Lerp(Value(i, j), Value(i + 1, j), fx);
    const double bottom = Lerp(Value(i, j + 1), Value(i + 1, j + 1), fx);
    return Lerp(top, bottom, fy);
  }

 private:
  static double Smooth(double f) { return f * f * (3.0 - 2.0 * f); }
  static double Lerp(double a, double b, double f) { return a + (b - a) * f; }
  double Value(int i, int j) const {
    return values_[static_cast<std::size_t>(j * columns_ + i)];
  }

  double cellWidth_;
  double cellHeight_;
  int columns_;
  int rows_;
  std::vector<double> values_;
};

// Rosewood pores: short dark dashes along the grain, one pixel wide.
struct Pore {
  double top;
  double bottom;
  double depth;
};

// The pores of each pixel column of the picture.
using PoreColumns = std::vector<std::vector<Pore>>;

PoreColumns ScatterPores(GrainRandom& random) {
  constexpr int kPoreCount = 420;
  PoreColumns columns(kWidth);
  for (int n = 0; n < kPoreCount; ++n) {
    const auto column = static_cast<std::size_t>(random.Unit() * kWidth);
    Pore pore{};
    pore.top = random.Unit() * kHeight;
    pore.bottom = pore.top + 1.5 + random.Unit() * 5.0;
    pore.depth = 0.35 + random.Unit() * 0.45;
    columns[column].push_back(pore);
  }
  return columns;
}

class Rosewood {
 public:
  Rosewood()
      : random_(kSeed),
        fine_(random_, 1.3, 23.0),
        medium_(random_, 4.1, 37.0),
        coarse_(random_, 17.0, 71.0),
        bend_(random_, 29.0, 31.0),
        pores_(ScatterPores(random_)) {}

  // Lightness of the wood at a picture point: 0 darkest, 1 lightest.
  double Lightness(double x, double y) const {
    // Streaks lean and waver a little, as grain never runs quite straight.
    const double bentX = x + 3.0 * (bend_.At(x, y) - 0.5);
    double t = 0.53 + 1.0 * (fine_.At(bentX, y) - 0.5) +
               0.8 * (medium_.At(bentX, y) - 0.5) +
               0.65 * (coarse_.At(bentX, y) - 0.5);
    const int column = static_cast<int>(std::floor(bentX));
    if (column >= 0 && column < kWidth) {
      for (const Pore& pore : pores_[static_cast<std::size_t>(column)]) {
        if (y >= pore.top && y < pore.bottom) {
          t *= 1.0 - pore.depth;
        }
      }
    }
    return std::clamp(t, 0.0, 1.0);
  }

 private:
  GrainRandom random_;
  StreakNoise fine_;
  StreakNoise medium_;
  StreakNoise coarse_;
  StreakNoise bend_;
  PoreColumns pores_;
};

// From the darkest streak through the typical colour to the lightest.
QRgb WoodColour(double lightness) {
  struct Shade {
    double r;
    double g;
    double b;
  };
  constexpr Shade kDark{48.0, 27.0, 26.0};
  constexpr Shade kTypical{70.0, 45.0, 37.0};
  constexpr Shade kLight{89.0, 61.0, 50.0};
  const bool lower = lightness < 0.5;
  const Shade& from = lower ? kDark : kTypical;
  const Shade& to = lower ? kTypical : kLight;
  const double f = lower ? lightness * 2.0 : lightness * 2.0 - 1.0;
  const auto channel = [f](double a, double b) {
    return static_cast<int>(std::lround(a + (b - a) * f));
  };
  return qRgb(channel(from.r, to.r), channel(from.g, to.g),
              channel(from.b, to.b));
}

}  // namespace

void PaintWood(QImage& image, double scale) {
  const Rosewood wood;
  for (int row = 0; row < image.height(); ++row) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
    const double y = (row + 0.5) / scale;
    for (int column = 0; column < image.width(); ++column) {
      line[column] = WoodColour(wood.Lightness((column + 0.5) / scale, y));
    }
  }
}

}  // namespace velmora::fretboard
