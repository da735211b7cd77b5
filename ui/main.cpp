#include <QApplication>
#include <cstdio>

#include "forms.h"

namespace {

// Without a display the toolkit would abort with a core dump; say what is
// wrong instead.
bool HasDisplay() {
  return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
         !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

}  // namespace

int main(int argc, char* argv[]) {
  if (!HasDisplay()) {
    std::fputs("velmora: no display (neither DISPLAY nor WAYLAND_DISPLAY is set); "
               "to run without a screen, start it under xvfb-run\n",
               stderr);
    return 1;
  }
  QApplication app(argc, argv);
  velmora::Forms forms;
  forms.Start();
  return app.exec();
}
