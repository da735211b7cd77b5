// The committed fretboard pictures, single and double resolution, read pixel
// by pixel against the geometry the chart relies on.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
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

std::string ScaleName(int scale) { return scale == 1 ? "Single" : "Double"; }

std::string PictureName(const ::testing::TestParamInfo<int>& param) {
  return ScaleName(param.param);
}

// Names a (scale, number) case, e.g. DoubleFret7.
class ScaleAndNumberName {
 public:
  explicit ScaleAndNumberName(const char* what) : what_(what) {}
  std::string operator()(
      const ::testing::TestParamInfo<std::tuple<int, int>>& param) const {
    return ScaleName(std::get<0>(param.param)) + what_ +
           std::to_string(std::get<1>(param.param));
  }

 private:
  std::string what_;
};

class FretboardPictureTest : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    picture_ = LoadPicture(GetParam());
    ASSERT_FALSE(picture_.image.isNull());
    bars_ = FindBars(picture_);
  }

  int Scale() const { return picture_.scale; }
  const QImage& Image() const { return picture_.image; }

  Picture picture_;
  std::vector<Bar> bars_;
};

TEST_P(FretboardPictureTest, HasItsSizeAndNoAlpha) {
  EXPECT_EQ(Image().width(), kPictureWidth * Scale());
  EXPECT_EQ(Image().height(), kPictureHeight * Scale());
  EXPECT_FALSE(Image().hasAlphaChannel());
}

TEST_P(FretboardPictureTest, ShowsEdgeStripNutAndTwentyOneFretLines) {
  EXPECT_EQ(bars_.size(), 2U + kFretLineCount);
}

TEST_P(FretboardPictureTest, EdgeStripIsGreyAlongTheWholeLeftEdge) {
  ASSERT_FALSE(bars_.empty());
  EXPECT_EQ(bars_.front().firstColumn, 0);
  EXPECT_NEAR(bars_.front().width, kEdgeStripWidth, 0.3);
  for (int y = 0; y < Image().height(); ++y) {
    for (int x = 0; x < bars_.front().lastColumn; ++x) {
      ASSERT_TRUE(ColourNear(Image().pixel(x, y), kEdgeGrey, 10))
          << "at " << x << ", " << y;
    }
  }
}

TEST_P(FretboardPictureTest, TopEdgeIsAFaintGreyLine) {
  ASSERT_EQ(bars_.size(), 2U + kFretLineCount);
  // Compare the top pixel row with the row below it, over the wood between
  // the nut and the last fret line.
  double top = 0.0;
  double below = 0.0;
  double topRedness = 0.0;
  double belowRedness = 0.0;
  int count = 0;
  for (std::size_t space = 1; space + 1 < bars_.size(); ++space) {
    for (int x = bars_[space].lastColumn + 2;
         x < bars_[space + 1].firstColumn - 1; ++x) {
      const QRgb topPixel = Image().pixel(x, 0);
      const QRgb belowPixel = Image().pixel(x, 2 * Scale());
      top += Luminance(topPixel);
      below += Luminance(belowPixel);
      topRedness += qRed(topPixel) - qBlue(topPixel);
      belowRedness += qRed(belowPixel) - qBlue(belowPixel);
      ++count;
    }
  }
  ASSERT_GT(count, 0);
  EXPECT_GT(top / count, below / count + 10.0);
  EXPECT_LT(top / count, Luminance(kEdgeGrey));
  EXPECT_LT(topRedness / count, belowRedness / count);
}

TEST_P(FretboardPictureTest, NutIsALightGreyBarInItsPlace) {
  ASSERT_GE(bars_.size(), 2U);
  const Bar& nut = bars_[1];
  EXPECT_NEAR(nut.Left(), kNutLeft, 0.5);
  EXPECT_NEAR(nut.Right(), kNutRight, 0.5);
  EXPECT_NEAR(nut.centre, kNutCentre, 0.5);
  EXPECT_TRUE(ColourNear(Image().pixel(nut.peakColumn, BarBandRow(picture_)),
                         kNutColour, 10));
  for (int y = 0; y < Image().height(); ++y) {
    ASSERT_GE(Luminance(Image().pixel(nut.peakColumn, y)),
              Luminance(kNutColour) - 10.0)
        << "row " << y;
  }
}

TEST_P(FretboardPictureTest, StringsRunFromTheEdgeStripToTheRightEdge) {
  ASSERT_FALSE(bars_.empty());
  for (const int column : {bars_.front().lastColumn + 1, Image().width() - 1}) {
    const std::vector<StringLine> lines = StringLinesAt(picture_, column);
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(kStringCount))
        << "column " << column;
    for (std::size_t s = 0; s < lines.size(); ++s) {
      EXPECT_NEAR(lines[s].centre, kStringY[s], 0.5)
          << "string " << s + 1 << ", column " << column;
    }
  }
}

TEST_P(FretboardPictureTest, WoodHasTheRosewoodColours) {
  double red = 0.0;
  double green = 0.0;
  double blue = 0.0;
  int count = 0;
  for (int y = 0; y < Image().height(); ++y) {
    for (int x = 0; x < Image().width(); ++x) {
      if (!IsInnerWood(picture_, x, y)) {
        continue;
      }
      const QRgb pixel = Image().pixel(x, y);
      ASSERT_GE(qRed(pixel), qRed(kDarkestWood) - 8) << x << ", " << y;
      ASSERT_GE(qGreen(pixel), qGreen(kDarkestWood) - 8) << x << ", " << y;
      ASSERT_GE(qBlue(pixel), qBlue(kDarkestWood) - 8) << x << ", " << y;
      ASSERT_LE(qRed(pixel), qRed(kLightestWood) + 8) << x << ", " << y;
      ASSERT_LE(qGreen(pixel), qGreen(kLightestWood) + 8) << x << ", " << y;
      ASSERT_LE(qBlue(pixel), qBlue(kLightestWood) + 8) << x << ", " << y;
      red += qRed(pixel);
      green += qGreen(pixel);
      blue += qBlue(pixel);
      ++count;
    }
  }
  // Well over a third of the picture is wood clear of everything else.
  ASSERT_GT(count, Image().width() * Image().height() / 3);
  EXPECT_NEAR(red / count, qRed(kMeanWood), 3.0);
  EXPECT_NEAR(green / count, qGreen(kMeanWood), 3.0);
  EXPECT_NEAR(blue / count, qBlue(kMeanWood), 3.0);
}

TEST_P(FretboardPictureTest, WoodGrainRunsInVerticalStreaks) {
  // The wood spans a good range of shades, and its brightness changes much
  // more from column to column than from row to row.
  double sum = 0.0;
  double squares = 0.0;
  int count = 0;
  double across = 0.0;
  double along = 0.0;
  int acrossCount = 0;
  int alongCount = 0;
  for (int y = 0; y + 1 < Image().height(); ++y) {
    for (int x = 0; x + 1 < Image().width(); ++x) {
      if (!IsInnerWood(picture_, x, y)) {
        continue;
      }
      const double here = Luminance(Image().pixel(x, y));
      sum += here;
      squares += here * here;
      ++count;
      if (IsInnerWood(picture_, x + 1, y)) {
        across += std::abs(Luminance(Image().pixel(x + 1, y)) - here);
        ++acrossCount;
      }
      if (IsInnerWood(picture_, x, y + 1)) {
        along += std::abs(Luminance(Image().pixel(x, y + 1)) - here);
        ++alongCount;
      }
    }
  }
  ASSERT_GT(count, 0);
  ASSERT_GT(acrossCount, 0);
  ASSERT_GT(alongCount, 0);
  const double mean = sum / count;
  EXPECT_GT(std::sqrt(squares / count - mean * mean), 6.0);
  EXPECT_GT(across / acrossCount, 2.0);
  EXPECT_GT(across / acrossCount, 3.0 * along / alongCount);
}

TEST_P(FretboardPictureTest, InlaysSitInTheMarkedFretSpaces) {
  ASSERT_EQ(bars_.size(), 2U + kFretLineCount);
  std::vector<Blob> blobs = FindBlobs(picture_);
  ASSERT_EQ(blobs.size(), kInlaySpaces.size());
  std::sort(blobs.begin(), blobs.end(), [](const Blob& a, const Blob& b) {
    return std::tie(a.centreX, a.centreY) < std::tie(b.centreX, b.centreY);
  });
  for (std::size_t i = 0; i < blobs.size(); ++i) {
    const Blob& blob = blobs[i];
    const auto space = static_cast<std::size_t>(kInlaySpaces[i]);
    // Clear of both fret lines around its space.
    EXPECT_GT(blob.box.left(), bars_[space].lastColumn + 1) << "inlay " << i;
    EXPECT_LT(blob.box.right(), bars_[space + 1].firstColumn - 1)
        << "inlay " << i;
  }
}

TEST_P(FretboardPictureTest, InlaysAreWhiteDiscsBetweenStrings) {
  const std::vector<Blob> blobs = FindBlobs(picture_);
  ASSERT_FALSE(blobs.empty());
  for (const Blob& blob : blobs) {
    const double across = static_cast<double>(blob.box.width()) / Scale();
    const double down = static_cast<double>(blob.box.height()) / Scale();
    EXPECT_GE(across, 10.5);
    EXPECT_LE(across, 12.5);
    EXPECT_GE(down, 10.5);
    EXPECT_LE(down, 12.5);
    const QPoint middle = blob.box.center();
    EXPECT_TRUE(ColourNear(Image().pixel(middle), kInlayColour, 6));

    // The strings where they pass the inlay: one above it, one below, and
    // neither reaching its pixels.
    const std::vector<StringLine> lines = StringLinesAt(picture_, middle.x());
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(kStringCount));
    const double top = static_cast<double>(blob.box.top()) / Scale();
    const double bottom = static_cast<double>(blob.box.bottom() + 1) / Scale();
    const auto below = std::find_if(
        lines.begin(), lines.end(),
        [&blob](const StringLine& line) { return line.centre > blob.centreY; });
    ASSERT_NE(below, lines.begin());
    ASSERT_NE(below, lines.end());
    const StringLine& above = *(below - 1);
    EXPECT_GT(top, above.centre + above.thickness / 2.0);
    EXPECT_LT(bottom, below->centre - below->thickness / 2.0);
  }
}

INSTANTIATE_TEST_SUITE_P(Pictures, FretboardPictureTest,
                         ::testing::Values(1, 2), PictureName);

// One fret line of one picture: (scale, fret line number).
class FretLineTest : public ::testing::TestWithParam<std::tuple<int, int>> {
 protected:
  void SetUp() override {
    picture_ = LoadPicture(std::get<0>(GetParam()));
    ASSERT_FALSE(picture_.image.isNull());
    bars_ = FindBars(picture_);
    ASSERT_EQ(bars_.size(), 2U + kFretLineCount);
  }

  int Fret() const { return std::get<1>(GetParam()); }
  const Bar& Line() const {
    return bars_[static_cast<std::size_t>(Fret() + 1)];
  }

  Picture picture_;
  std::vector<Bar> bars_;
};

TEST_P(FretLineTest, StandsAtItsEvenlySpacedPlace) {
  EXPECT_NEAR(Line().centre, ExpectedFretLineX(Fret()), 0.5);
}

TEST_P(FretLineTest, IsOnePixelWideAndLightGrey) {
  EXPECT_NEAR(Line().width, 1.0, 0.3);
  EXPECT_TRUE(
      ColourNear(picture_.image.pixel(Line().peakColumn, BarBandRow(picture_)),
                 kFretColour, 10));
}

TEST_P(FretLineTest, RunsTheFullHeightUnderTheStrings) {
  const QImage& image = picture_.image;
  for (int y = 0; y < image.height(); ++y) {
    ASSERT_GE(Luminance(image.pixel(Line().peakColumn, y)),
              Luminance(kFretColour) - 10.0)
        << "row " << y;
  }
  // Where a string crosses, the string is drawn over the fret line.
  const int scale = picture_.scale;
  const int beside =
      static_cast<int>(std::floor(SpaceMiddle(bars_, Fret()) * scale));
  for (const StringLine& line : StringLinesAt(picture_, beside)) {
    const int first = static_cast<int>(
        std::floor((line.centre - line.thickness / 2.0) * scale));
    const int last = static_cast<int>(
        std::ceil((line.centre + line.thickness / 2.0) * scale));
    double crossing = 0.0;
    for (int y = first; y < last; ++y) {
      crossing =
          std::max(crossing, Luminance(image.pixel(Line().peakColumn, y)));
    }
    EXPECT_GT(crossing, Luminance(kFretColour) + 30.0)
        << "string at y " << line.centre;
  }
}

INSTANTIATE_TEST_SUITE_P(Pictures, FretLineTest,
                         ::testing::Combine(::testing::Values(1, 2),
                                            ::testing::Range(1, kFretLineCount +
                                                                    1)),
                         ScaleAndNumberName("Fret"));

// The strings measured across the middle of one stretch of wood: (scale,
// space), space 0 being the open-string stretch left of the nut.
class StringLinesTest : public ::testing::TestWithParam<std::tuple<int, int>> {
};

TEST_P(StringLinesTest, LieAtTheirHeightsAndThicknesses) {
  const Picture picture = LoadPicture(std::get<0>(GetParam()));
  ASSERT_FALSE(picture.image.isNull());
  const std::vector<Bar> bars = FindBars(picture);
  ASSERT_EQ(bars.size(), 2U + kFretLineCount);
  const int column = static_cast<int>(
      std::floor(SpaceMiddle(bars, std::get<1>(GetParam())) * picture.scale));
  const std::vector<StringLine> lines = StringLinesAt(picture, column);
  ASSERT_EQ(lines.size(), static_cast<std::size_t>(kStringCount));
  for (std::size_t s = 0; s < lines.size(); ++s) {
    EXPECT_NEAR(lines[s].centre, kStringY[s], 0.5) << "string " << s + 1;
    EXPECT_NEAR(lines[s].thickness, kStringThickness[s], 0.35)
        << "string " << s + 1;
  }
}

INSTANTIATE_TEST_SUITE_P(Pictures, StringLinesTest,
                         ::testing::Combine(::testing::Values(1, 2),
                                            ::testing::Range(0, kFretLineCount +
                                                                    1)),
                         ScaleAndNumberName("Space"));

}  // namespace
}  // namespace velmora::picture
