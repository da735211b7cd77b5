#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <stdexcept>

#include "forms/forms.h"

namespace velmora {

// A test that starts the program as a user does: the chart window loaded,
// shown and exposed.
class ShownChart : public testing::Test {
 protected:
  // Exposure comes at once offscreen; a real window manager on a loaded
  // machine can take seconds to frame and map a window.
  static constexpr int kExposureWait = 20000;

  ShownChart() {
    forms.Start();
    chart = &forms.form1();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(chart, kExposureWait));
  }

  // Presses the About button; the About window it opened, exposed.
  Form2& OpenAbout() {
    chart->Command1->click();
    Form2* about = forms.LoadedForm2();
    if (about == nullptr) throw std::logic_error("the About button opened no window");
    EXPECT_TRUE(QTest::qWaitForWindowExposed(about, kExposureWait));
    return *about;
  }

  Forms forms;
  Form1* chart = nullptr;
};

}  // namespace velmora
