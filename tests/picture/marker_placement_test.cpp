// Where the chart's markers fall on the single-resolution fretboard picture:
// every fret position on every marker row must sit on its string and inside
// its fret space, as measured from the picture's pixels.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstddef>
#include <string>
#include <tuple>
#include <vector>

#include "expected_fretboard.h"
#include "fret_positions.h"
#include "picture_probe.h"

namespace velmora::picture {
namespace {

constexpr double kTwipsPerPixel = 15.0;
// The picture's top edge in the window, in pixels.
constexpr double kPictureTop = 630.0 / kTwipsPerPixel;
// A marker is a one-pixel box drawn as a disc about 10 pixels across,
// centred half a pixel right of and below its Left and Top.
constexpr double kMarkerRadius = 5.0;
constexpr double kHalfPixelTwips = 7.5;

// The Top of each marker row, string 1 first.
constexpr std::array<double, kStringCount> kMarkerTops = {
    735.0, 960.0, 1200.0, 1450.0, 1700.0, 1940.0};

// The top marker sits a pixel and a half below its string but still covers
// it; the others centre on their lines.
double AllowedOffset(int string) { return string == 1 ? 1.5 : 0.3; }

// How far a measured line centre may stray from the drawn one: the wood
// grain under a string's half-covered pixels shifts the measurement a little.
constexpr double kMeasurementSlack = 0.05;

// The picture and its bars, measured once for all cases.
const Picture& SinglePicture() {
  static const Picture picture = LoadPicture(1);
  return picture;
}

const std::vector<Bar>& SingleBars() {
  static const std::vector<Bar> bars = FindBars(SinglePicture());
  return bars;
}

// One marker row at one fret position: (fret, string).
class MarkerPlacementTest
    : public ::testing::TestWithParam<std::tuple<int, int>> {
 protected:
  void SetUp() override {
    ASSERT_FALSE(SinglePicture().image.isNull());
    ASSERT_EQ(SingleBars().size(), 2U + kFretLineCount);
  }

  int Fret() const { return std::get<0>(GetParam()); }
  int String() const { return std::get<1>(GetParam()); }

  double CentreX() const {
    return (kFretPositions[static_cast<std::size_t>(Fret())] +
            kHalfPixelTwips) /
           kTwipsPerPixel;
  }
  double CentreY() const {
    return (kMarkerTops[static_cast<std::size_t>(String() - 1)] +
            kHalfPixelTwips) /
               kTwipsPerPixel -
           kPictureTop;
  }
};

TEST_P(MarkerPlacementTest, StaysInsideItsStretchOfWood) {
  // Fret 0 is the open-string stretch between the edge strip and the nut;
  // fret n lies between fret line n - 1 (the nut for n = 1) and line n.
  const Bar& left = SingleBars()[static_cast<std::size_t>(Fret())];
  const Bar& right = SingleBars()[static_cast<std::size_t>(Fret() + 1)];
  EXPECT_GT(CentreX() - kMarkerRadius, left.Right());
  EXPECT_LT(CentreX() + kMarkerRadius, right.Left());
}

TEST_P(MarkerPlacementTest, CentresOnItsString) {
  // The string's line, measured in every column the disc covers.
  double centre = 0.0;
  double thickness = 0.0;
  int count = 0;
  for (int column = static_cast<int>(std::floor(CentreX() - kMarkerRadius));
       column < static_cast<int>(std::ceil(CentreX() + kMarkerRadius));
       ++column) {
    const std::vector<StringLine> lines =
        StringLinesAt(SinglePicture(), column);
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(kStringCount))
        << "column " << column;
    centre += lines[static_cast<std::size_t>(String() - 1)].centre;
    thickness += lines[static_cast<std::size_t>(String() - 1)].thickness;
    ++count;
  }
  centre /= count;
  thickness /= count;
  EXPECT_NEAR(CentreY(), centre, AllowedOffset(String()) + kMeasurementSlack);
  // The disc covers the whole width of the line.
  EXPECT_LT(std::abs(CentreY() - centre) + thickness / 2.0, kMarkerRadius);
}

std::string MarkerName(
    const ::testing::TestParamInfo<std::tuple<int, int>>& param) {
  return "Fret" + std::to_string(std::get<0>(param.param)) + "String" +
         std::to_string(std::get<1>(param.param));
}

INSTANTIATE_TEST_SUITE_P(AllFretsAllRows, MarkerPlacementTest,
                         ::testing::Combine(::testing::Range(0, kFretCount),
                                            ::testing::Range(1,
                                                             kStringCount + 1)),
                         MarkerName);

}  // namespace
}  // namespace velmora::picture
