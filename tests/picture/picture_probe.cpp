#include "picture_probe.h"

#include <QString>
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>

#include "expected_fretboard.h"

namespace velmora::picture {
namespace {

// Halfway between the lightest wood and the darkest of the light parts.
constexpr double kBrightLuminance = 110.0;

// A neighbour column counts as part of a bar only when its
// brightness rises at least this share of the way from the wood to the full
// colour; less is wood grain, not a partly covered pixel.
constexpr double kPartialCoverage = 0.25;

// The band between strings 1 and 2 (at 6.0 and 22.4), above every inlay.
constexpr int kBandTop = 10;
constexpr int kBandBottom = 18;

// Runs of light rows taller than this many picture pixels are inlays.
constexpr int kTallestString = 4;

// Index ranges [first, last] where `values` exceed the light threshold.
std::vector<std::pair<int, int>> LightRuns(const std::vector<double>& values) {
  std::vector<std::pair<int, int>> runs;
  const int size = static_cast<int>(values.size());
  for (int i = 0; i < size; ++i) {
    if (values[static_cast<std::size_t>(i)] <= kBrightLuminance) {
      continue;
    }
    int last = i;
    while (last + 1 < size &&
           values[static_cast<std::size_t>(last + 1)] > kBrightLuminance) {
      ++last;
    }
    runs.emplace_back(i, last);
    i = last;
  }
  return runs;
}

double At(const std::vector<double>& values, int i) {
  return values[static_cast<std::size_t>(i)];
}

// The wood level beside a run [first, last]: on each side, the first dark
// sample at least two steps out (clear of any partly covered pixel), looking
// no further than `reach` steps; the mean of the two sides that have one.
double WoodBeside(const std::vector<double>& values, int first, int last,
                  int reach) {
  const int size = static_cast<int>(values.size());
  double sum = 0.0;
  int count = 0;
  for (const auto& [edge, step] : {std::pair{first, -1}, std::pair{last, 1}}) {
    for (int gap = 2; gap <= reach; ++gap) {
      const int i = edge + step * gap;
      if (i < 0 || i >= size) {
        break;
      }
      if (At(values, i) <= kBrightLuminance) {
        sum += At(values, i);
        ++count;
        break;
      }
    }
  }
  return sum / count;
}

// Whether the light run [first, last] of a column carries on into the
// columns either side, as a string does; the rim of an inlay does not.
bool RunsAcross(const QImage& image, int column, int first, int last) {
  int peak = first;
  for (int y = first; y <= last; ++y) {
    if (Luminance(image.pixel(column, y)) >
        Luminance(image.pixel(column, peak))) {
      peak = y;
    }
  }
  for (const int beside : {column - 1, column + 1}) {
    if (beside >= 0 && beside < image.width() &&
        !IsBright(image.pixel(beside, peak))) {
      return false;
    }
  }
  return true;
}

}  // namespace

Picture LoadPicture(int scale) {
  const QString name = scale == 1
                           ? QStringLiteral("/fretboard.png")
                           : QStringLiteral("/fretboard@%1x.png").arg(scale);
  return {QImage(QStringLiteral(VELMORA_RESOURCES_DIR) + name), scale};
}

double Luminance(QRgb pixel) {
  return 0.299 * qRed(pixel) + 0.587 * qGreen(pixel) + 0.114 * qBlue(pixel);
}

bool IsBright(QRgb pixel) { return Luminance(pixel) > kBrightLuminance; }

int BarBandRow(const Picture& picture) {
  return (kBandTop + kBandBottom) / 2 * picture.scale;
}

double SpaceMiddle(const std::vector<Bar>& bars, int space) {
  const auto index = static_cast<std::size_t>(space);
  return (bars[index].Right() + bars[index + 1].Left()) / 2.0;
}

std::vector<Bar> FindBars(const Picture& picture) {
  const QImage& image = picture.image;
  const int top = kBandTop * picture.scale;
  const int bottom = kBandBottom * picture.scale;
  std::vector<double> profile(static_cast<std::size_t>(image.width()), 0.0);
  for (int x = 0; x < image.width(); ++x) {
    for (int y = top; y < bottom; ++y) {
      profile[static_cast<std::size_t>(x)] += Luminance(image.pixel(x, y));
    }
    profile[static_cast<std::size_t>(x)] /= bottom - top;
  }

  std::vector<Bar> bars;
  for (const auto& [first, last] : LightRuns(profile)) {
    Bar bar{first, last, first, 0.0, 0.0};
    for (int x = first; x <= last; ++x) {
      if (At(profile, x) > At(profile, bar.peakColumn)) {
        bar.peakColumn = x;
      }
    }
    const double wood = WoodBeside(profile, first, last, 3);
    const double full = At(profile, bar.peakColumn) - wood;
    double covered = 0.0;
    double moment = 0.0;
    for (int x = std::max(first - 1, 0);
         x <= std::min(last + 1, image.width() - 1); ++x) {
      double coverage = std::clamp((At(profile, x) - wood) / full, 0.0, 1.0);
      if (coverage < kPartialCoverage) {
        coverage = 0.0;
      }
      covered += coverage;
      moment += coverage * (x + 0.5);
    }
    bar.centre = moment / covered / picture.scale;
    bar.width = covered / picture.scale;
    bars.push_back(bar);
  }
  return bars;
}

std::vector<StringLine> StringLinesAt(const Picture& picture, int column) {
  const QImage& image = picture.image;
  std::vector<double> profile;
  for (int y = 0; y < image.height(); ++y) {
    profile.push_back(Luminance(image.pixel(column, y)));
  }
  const double stringLuminance = Luminance(kStringColour);

  std::vector<StringLine> lines;
  for (const auto& [first, last] : LightRuns(profile)) {
    if (last - first + 1 > kTallestString * picture.scale ||
        !RunsAcross(image, column, first, last)) {
      continue;
    }
    const double wood =
        WoodBeside(profile, first, last, kTallestString * picture.scale);
    double ink = 0.0;
    double moment = 0.0;
    for (int y = std::max(first - 1, 0);
         y <= std::min(last + 1, image.height() - 1); ++y) {
      const double weight = std::max(At(profile, y) - wood, 0.0);
      ink += weight;
      moment += weight * (y + 0.5);
    }
    lines.push_back({moment / ink / picture.scale,
                     ink / (stringLuminance - wood) / picture.scale});
  }
  return lines;
}

std::vector<Blob> FindBlobs(const Picture& picture) {
  const QImage& image = picture.image;
  const int width = image.width();
  const int height = image.height();
  std::vector<bool> seen(static_cast<std::size_t>(width * height), false);
  const auto index = [width](int x, int y) {
    return static_cast<std::size_t>(y * width + x);
  };

  std::vector<Blob> blobs;
  for (int startY = 0; startY < height; ++startY) {
    for (int startX = 0; startX < width; ++startX) {
      if (seen[index(startX, startY)] ||
          !IsBright(image.pixel(startX, startY))) {
        continue;
      }
      // Flood the light patch, eight neighbours to a pixel.
      QRect box(startX, startY, 1, 1);
      double sumX = 0.0;
      double sumY = 0.0;
      int count = 0;
      std::vector<std::pair<int, int>> pending{{startX, startY}};
      seen[index(startX, startY)] = true;
      while (!pending.empty()) {
        const auto [x, y] = pending.back();
        pending.pop_back();
        box |= QRect(x, y, 1, 1);
        sumX += x + 0.5;
        sumY += y + 0.5;
        ++count;
        for (int dy = -1; dy <= 1; ++dy) {
          for (int dx = -1; dx <= 1; ++dx) {
            const int nx = x + dx;
            const int ny = y + dy;
            if (nx < 0 || ny < 0 || nx >= width || ny >= height ||
                seen[index(nx, ny)] || !IsBright(image.pixel(nx, ny))) {
              continue;
            }
            seen[index(nx, ny)] = true;
            pending.emplace_back(nx, ny);
          }
        }
      }
      const bool touchesBorder = box.left() == 0 || box.top() == 0 ||
                                 box.right() == width - 1 ||
                                 box.bottom() == height - 1;
      if (!touchesBorder) {
        blobs.push_back(
            {box, sumX / count / picture.scale, sumY / count / picture.scale});
      }
    }
  }
  return blobs;
}

bool IsInnerWood(const Picture& picture, int x, int y) {
  const QImage& image = picture.image;
  if (y < picture.scale) {
    return false;
  }
  constexpr int kMargin = 2;
  for (int ny = y - kMargin; ny <= y + kMargin; ++ny) {
    for (int nx = x - kMargin; nx <= x + kMargin; ++nx) {
      if (nx < 0 || ny < 0 || nx >= image.width() || ny >= image.height() ||
          IsBright(image.pixel(nx, ny))) {
        return false;
      }
    }
  }
  return true;
}

}  // namespace velmora::picture
