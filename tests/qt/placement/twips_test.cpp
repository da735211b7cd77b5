// Screen positions in twips at any screen scale: every device pixel has a
// twips value of its own, and the value read from one window, written to
// another, lands on the same device pixel.

#include <gtest/gtest.h>

#include "placement/twips.h"

namespace velmora {
namespace {

class DevicePixelTwips : public testing::TestWithParam<double> {};

TEST_P(DevicePixelTwips, EveryDevicePixelComesBackFromItsTwips) {
  const double scale = GetParam();
  // Whole screens and more, partly off the screen on every edge.
  for (int pixel = -4000; pixel <= 8000; ++pixel) {
    ASSERT_EQ(twips::ToDevicePixels(twips::FromDevicePixels(pixel, scale), scale), pixel) << "scale " << scale;
  }
}

TEST_P(DevicePixelTwips, NeighbouringDevicePixelsHaveDistinctTwips) {
  const double scale = GetParam();
  for (int pixel = -4000; pixel < 8000; ++pixel) {
    ASSERT_LT(twips::FromDevicePixels(pixel, scale), twips::FromDevicePixels(pixel + 1, scale));
  }
}

INSTANTIATE_TEST_SUITE_P(Scales, DevicePixelTwips, testing::Values(1.0, 1.25, 1.5, 1.75, 2.0, 3.0));

TEST(DevicePixelTwips, FifteenTwipsToADeviceIndependentPixel) {
  EXPECT_EQ(twips::FromDevicePixels(7, 1.0), 105.0F);
  EXPECT_EQ(twips::FromDevicePixels(7, 1.25), 84.0F);  // 12 twips a device pixel
  EXPECT_EQ(twips::FromDevicePixels(7, 1.5), 70.0F);   // 10
  EXPECT_EQ(twips::FromDevicePixels(-43, 2.0), -322.5F);  // 7.5
}

}  // namespace
}  // namespace velmora
