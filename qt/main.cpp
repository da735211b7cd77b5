#include <QApplication>
#include <cstdio>
#include <string>

#include "forms/forms.h"
#include "placement/display_check.h"

int main(int argc, char* argv[]) {
  velmora::ChooseDisplayPlatform();
  // Without a display the toolkit would abort with a core dump; say what is
  // wrong instead.
  if (const std::string problem = velmora::DisplayProblem(); !problem.empty()) {
    std::fprintf(stderr, "velmora: %s\n", problem.c_str());
    return 1;
  }
  QApplication app(argc, argv);
  velmora::Forms forms;
  forms.Start();
  return app.exec();
}
