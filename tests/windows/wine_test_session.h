#pragma once

#include <QString>
#include <cstdlib>
#include <string>
#include <string_view>

#include "x_desktop.h"

namespace velmora {

// The test desktop that Velmora.exe's tests under Wine run on, one for the
// test process (wine_test_main.cpp).
XDesktop& TestDesktop();

// A file of the cross-built tree whose programs the run tests, the 64-bit or
// the 32-bit one, named by VELMORA_WINDOWS_BUILD: "Velmora.exe" or
// "tests/chart_probe.exe".
inline std::string WindowsBuildFile(const std::string& relative) {
  return std::string(std::getenv("VELMORA_WINDOWS_BUILD")) + "/" + relative;
}

// Wine's loader of that tree's architecture (VELMORA_WINE), which runs a
// program as the process it starts.
inline std::string WineLoader() { return std::getenv("VELMORA_WINE"); }

// The shared layouts' UTF-16 texts as the X server and a screen reader give
// them: UTF-8.
inline std::string Utf8(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())).toStdString();
}

}  // namespace velmora
