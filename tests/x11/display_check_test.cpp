// The start-up check of the display lets the program start on a live X
// server.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QtGlobal>

#include "placement/display_check.h"
#include "x11_session.h"
#include "x_desktop.h"

namespace velmora {
namespace {

TEST(DisplayCheck, PassesOnARunningXServer) {
  ASSERT_EQ(qgetenv("DISPLAY").toStdString(), RunningDesktop().Display());
  EXPECT_EQ(DisplayCheck().Problem(), "");
}

}  // namespace
}  // namespace velmora
