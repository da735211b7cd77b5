#pragma once

#include <gtest/gtest.h>

#include <QRgb>
#include <cstdlib>

namespace velmora::picture {

// Succeeds when every channel of `actual` lies within `tolerance` of
// `expected`.
inline ::testing::AssertionResult ColourNear(QRgb actual, QRgb expected,
                                             int tolerance) {
  const bool near = std::abs(qRed(actual) - qRed(expected)) <= tolerance &&
                    std::abs(qGreen(actual) - qGreen(expected)) <= tolerance &&
                    std::abs(qBlue(actual) - qBlue(expected)) <= tolerance;
  if (near) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure()
         << "colour (" << qRed(actual) << ", " << qGreen(actual) << ", "
         << qBlue(actual) << ") is not within " << tolerance << " of ("
         << qRed(expected) << ", " << qGreen(expected) << ", "
         << qBlue(expected) << ")";
}

}  // namespace velmora::picture
