// A whole session for valgrind's memcheck: start-up, every one of the 228
// chords picked from the keyboard, an About round trip, and closing the chart
// window. Exits non-zero if the session did not go as a user would see it.

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "forms/forms.h"

namespace {

int Fail(const char* what) {
  std::fprintf(stderr, "memcheck scenario: %s\n", what);
  return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  velmora::Forms forms;
  forms.Start();
  velmora::Form1& chart = forms.form1();
  if (!QTest::qWaitForWindowExposed(&chart)) return Fail("the chart was never shown");

  int picks = 0;
  for (int root = 0; root < chart.Combo1->count(); ++root) {
    chart.Combo1->setFocus();
    QTest::keyClick(chart.Combo1, root == 0 ? Qt::Key_Home : Qt::Key_Down);
    chart.Combo2->setFocus();
    for (int type = 0; type < chart.Combo2->count(); ++type) {
      QTest::keyClick(chart.Combo2, type == 0 ? Qt::Key_Home : Qt::Key_Down);
      ++picks;
    }
    QApplication::processEvents();
  }
  if (picks != 228 || chart.Chart().SelectionKey != "11 18") return Fail("not every chord was picked");

  QTest::mouseClick(chart.Command1, Qt::LeftButton);
  velmora::Form2* about = forms.LoadedForm2();
  if (about == nullptr || chart.isVisible()) return Fail("the About window did not open");
  QTest::mouseClick(about->Command1, Qt::LeftButton);
  if (forms.LoadedForm2() != nullptr || !chart.isVisible()) return Fail("the About window did not close");

  QTimer::singleShot(0, &chart, [&chart] { chart.close(); });
  return QApplication::exec();
}
