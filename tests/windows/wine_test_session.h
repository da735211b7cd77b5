#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "x_desktop.h"

namespace velmora {

// The test desktop that Velmora.exe's tests under Wine run on, one for the
// test process (wine_test_main.cpp).
XDesktop& TestDesktop();

// The shared layouts' UTF-16 texts as the X server and a screen reader give
// them: UTF-8.
inline std::string Utf8(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())).toStdString();
}

}  // namespace velmora
