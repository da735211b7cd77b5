// A Wayland desktop session with XWayland. Left to choose, the program runs
// through X11, where it can place its own windows; told to use Wayland, it
// runs there, the compositor placing its windows, and quits cleanly.

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include "forms/forms.h"
#include "wayland_desktop.h"
#include "wayland_session.h"

namespace velmora {
namespace {

constexpr int kShowWait = 20000;

// Whether the X display shows a window of the program.
bool ProgramWindowOnXDisplay() {
  QProcess search;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("DISPLAY"), QString::fromStdString(RunningWaylandDesktop().XDisplay()));
  search.setProcessEnvironment(environment);
  search.start(QStringLiteral("xdotool"),
               {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--class"),
                QStringLiteral("velmora")});
  return search.waitForFinished(10000) && search.exitCode() == 0;
}

TEST(WaylandSession, ProgramLeftToChooseRunsThroughTheXDisplay) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
  QProcess program;
  program.setProcessEnvironment(environment);
  program.start(QStringLiteral(VELMORA_PROGRAM), {});
  ASSERT_TRUE(program.waitForStarted());
  EXPECT_TRUE(QTest::qWaitFor(ProgramWindowOnXDisplay, kShowWait));
  EXPECT_EQ(program.state(), QProcess::Running) << program.readAllStandardError().toStdString();
  program.kill();
  program.waitForFinished();
}

TEST(WaylandSession, ProgramToldToUseWaylandRunsThereAndQuitsCleanly) {
  ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("wayland"));
  Forms forms;
  forms.Start();
  Form1& chart = forms.form1();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&chart, kShowWait));
  EXPECT_FALSE(ProgramWindowOnXDisplay());

  // The About round trip works; where the windows stand is the compositor's.
  chart.Command1->click();
  ASSERT_NE(forms.LoadedForm2(), nullptr);
  EXPECT_TRUE(QTest::qWaitForWindowExposed(forms.LoadedForm2(), kShowWait));
  forms.LoadedForm2()->Command1->click();
  EXPECT_EQ(forms.LoadedForm2(), nullptr);
  EXPECT_TRUE(QTest::qWaitForWindowExposed(&chart, kShowWait));
  EXPECT_EQ(chart.Label1->text(), QStringLiteral("A"));

  QTimer::singleShot(0, &chart, [&chart] { chart.close(); });
  // A loop that does not end in time fails the test rather than hanging it.
  QTimer::singleShot(10000, qApp, [] { QCoreApplication::exit(1); });
  EXPECT_EQ(QCoreApplication::exec(), 0);
}

}  // namespace
}  // namespace velmora
