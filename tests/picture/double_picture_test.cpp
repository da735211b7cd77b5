// The double-resolution picture against the single one: the same fretboard at
// twice the coordinates, drawn sharp rather than enlarged.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string>
#include <tuple>
#include <vector>

#include "colour_match.h"
#include "expected_fretboard.h"
#include "picture_probe.h"

namespace velmora::picture {
namespace {

// One device pixel of the double picture, in picture pixels.
constexpr double kDevicePixel = 0.5;

class DoublePictureTest : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    single_ = LoadPicture(1);
    double_ = LoadPicture(2);
    ASSERT_FALSE(single_.image.isNull());
    ASSERT_FALSE(double_.image.isNull());
    singleBars_ = FindBars(single_);
    doubleBars_ = FindBars(double_);
    ASSERT_EQ(singleBars_.size(), 2U + kFretLineCount);
    ASSERT_EQ(doubleBars_.size(), 2U + kFretLineCount);
  }

  Picture single_;
  Picture double_;
  std::vector<Bar> singleBars_;
  std::vector<Bar> doubleBars_;
};

// Parameter: the fret line number.
using DoubleFretLineTest = DoublePictureTest;

TEST_P(DoubleFretLineTest, StandsWhereTheSinglePictureHasIt) {
  const auto bar = static_cast<std::size_t>(GetParam() + 1);
  EXPECT_NEAR(doubleBars_[bar].centre, singleBars_[bar].centre, kDevicePixel);
}

TEST_P(DoubleFretLineTest, IsTwoDevicePixelsWideAndSharp) {
  const Bar& line = doubleBars_[static_cast<std::size_t>(GetParam() + 1)];
  const int row = BarBandRow(double_);
  std::vector<int> full;
  for (int x = line.firstColumn - 2; x <= line.lastColumn + 2; ++x) {
    const QRgb pixel = double_.image.pixel(x, row);
    if (ColourNear(pixel, kFretColour, 8)) {
      full.push_back(x);
    } else {
      // No half-tone columns on either side: the line is not blurred.
      EXPECT_FALSE(IsBright(pixel)) << "column " << x;
    }
  }
  ASSERT_EQ(full.size(), 2U);
  EXPECT_EQ(full[1], full[0] + 1);
}

INSTANTIATE_TEST_SUITE_P(AllFretLines, DoubleFretLineTest,
                         ::testing::Range(1, kFretLineCount + 1));

TEST_F(DoublePictureTest, NutStandsWhereTheSinglePictureHasIt) {
  EXPECT_NEAR(doubleBars_[1].Left(), singleBars_[1].Left(), kDevicePixel);
  EXPECT_NEAR(doubleBars_[1].Right(), singleBars_[1].Right(), kDevicePixel);
}

TEST_F(DoublePictureTest, InlaysStandWhereTheSinglePictureHasThem) {
  std::vector<Blob> singles = FindBlobs(single_);
  std::vector<Blob> doubles = FindBlobs(double_);
  ASSERT_EQ(doubles.size(), singles.size());
  const auto byPlace = [](const Blob& a, const Blob& b) {
    return std::tie(a.centreX, a.centreY) < std::tie(b.centreX, b.centreY);
  };
  std::sort(singles.begin(), singles.end(), byPlace);
  std::sort(doubles.begin(), doubles.end(), byPlace);
  for (std::size_t i = 0; i < singles.size(); ++i) {
    EXPECT_NEAR(doubles[i].centreX, singles[i].centreX, kDevicePixel);
    EXPECT_NEAR(doubles[i].centreY, singles[i].centreY, kDevicePixel);
  }
}

// Parameter: the stretch of wood, 0 the open-string stretch, k fret space k.
using DoubleStringsTest = DoublePictureTest;

TEST_P(DoubleStringsTest, LieWhereTheSinglePictureHasThem) {
  const double middle = SpaceMiddle(singleBars_, GetParam());
  const std::vector<StringLine> singles =
      StringLinesAt(single_, static_cast<int>(std::floor(middle)));
  const std::vector<StringLine> doubles =
      StringLinesAt(double_, static_cast<int>(std::floor(middle * 2.0)));
  ASSERT_EQ(singles.size(), static_cast<std::size_t>(kStringCount));
  ASSERT_EQ(doubles.size(), singles.size());
  for (std::size_t s = 0; s < singles.size(); ++s) {
    EXPECT_NEAR(doubles[s].centre, singles[s].centre, kDevicePixel)
        << "string " << s + 1;
  }
}

TEST_P(DoubleStringsTest, AreCrispAndNearWhite) {
  // Every string, even the thinnest, fills its middle device rows with its
  // full colour: all but one of the rows its thickness spans.
  const int column = static_cast<int>(
      std::floor(SpaceMiddle(doubleBars_, GetParam()) * double_.scale));
  for (const StringLine& line : StringLinesAt(double_, column)) {
    int fullRows = 0;
    for (int y = static_cast<int>(std::floor((line.centre - 1.5) * 2.0));
         y <= static_cast<int>(std::ceil((line.centre + 1.5) * 2.0)); ++y) {
      if (ColourNear(double_.image.pixel(column, y), kStringColour, 6)) {
        ++fullRows;
      }
    }
    EXPECT_GE(fullRows, std::lround(line.thickness * 2.0) - 1)
        << "string at y " << line.centre;
  }
}

INSTANTIATE_TEST_SUITE_P(AllStretches, DoubleStringsTest,
                         ::testing::Range(0, kFretLineCount + 1));

}  // namespace
}  // namespace velmora::picture
