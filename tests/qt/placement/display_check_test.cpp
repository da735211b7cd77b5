// The start-up check of the display, under the display variables a user can
// start the program with.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFileInfo>
#include <array>
#include <string>

#include "placement/display_check.h"

namespace velmora {
namespace {

// Sets the three variables that choose the display for one test and puts
// back what they were.
class DisplayVariables : public testing::Test {
 protected:
  DisplayVariables() {
    for (std::size_t i = 0; i < kNames.size(); ++i) saved_[i] = qgetenv(kNames[i]);
  }
  ~DisplayVariables() override {
    for (std::size_t i = 0; i < kNames.size(); ++i) Set(kNames[i], saved_[i]);
  }

  // Empty means unset.
  static void Use(const QByteArray& platform, const QByteArray& display, const QByteArray& wayland) {
    Set("QT_QPA_PLATFORM", platform);
    Set("DISPLAY", display);
    Set("WAYLAND_DISPLAY", wayland);
  }

  // A display number with no X server's socket.
  static QByteArray DeadDisplay() {
    int number = 4700;
    while (QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number))) ++number;
    return ":" + QByteArray::number(number);
  }

 private:
  static constexpr std::array<const char*, 3> kNames{"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"};

  static void Set(const char* name, const QByteArray& value) {
    if (value.isEmpty()) {
      qunsetenv(name);
    } else {
      qputenv(name, value);
    }
  }

  std::array<QByteArray, 3> saved_;
};

TEST_F(DisplayVariables, NoDisplayAtAllIsNamedWithTheWayOut) {
  Use("", "", "");
  const std::string problem = DisplayCheck().Problem();
  EXPECT_NE(problem.find("DISPLAY"), std::string::npos) << problem;
  EXPECT_NE(problem.find("xvfb-run"), std::string::npos) << problem;
  EXPECT_EQ(problem.find('\n'), std::string::npos) << problem;
}

TEST_F(DisplayVariables, AnotherPlatformIsLeftToTheToolkit) {
  const QByteArray dead = DeadDisplay();
  Use("offscreen", "", "");
  EXPECT_EQ(DisplayCheck().Problem(), "");
  Use("offscreen", dead, "");
  EXPECT_EQ(DisplayCheck().Problem(), "");
  Use("wayland", dead, "wayland-0");
  EXPECT_EQ(DisplayCheck().Problem(), "");
}

TEST_F(DisplayVariables, AWaylandDisplayAloneIsLeftToTheToolkit) {
  Use("", "", "wayland-0");
  EXPECT_EQ(DisplayCheck().Problem(), "");
}

#ifdef VELMORA_X11
TEST_F(DisplayVariables, AnXDisplayWithoutServerIsNamed) {
  const QByteArray dead = DeadDisplay();
  for (const QByteArray& platform : {QByteArray(), QByteArray("xcb"), QByteArray("xcb:nograb")}) {
    Use(platform, dead, "");
    const std::string problem = DisplayCheck().Problem();
    EXPECT_NE(problem.find("\"" + dead.toStdString() + "\""), std::string::npos) << problem;
    EXPECT_EQ(problem.find('\n'), std::string::npos) << problem;
  }
}

TEST_F(DisplayVariables, X11AskedForWithoutDisplayIsNamed) {
  Use("xcb", "", "wayland-0");
  EXPECT_NE(DisplayCheck().Problem().find("DISPLAY is not set"), std::string::npos) << DisplayCheck().Problem();
}
#endif

}  // namespace
}  // namespace velmora
