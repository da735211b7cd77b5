#include <QApplication>
#include <cstdio>
#include <optional>

#include "forms/forms.h"
#include "placement/display_check.h"

int main(int argc, char* argv[]) {
  // Without a display the toolkit would abort with a core dump; say what is
  // wrong instead. The check holds the display open until the toolkit has
  // its own connection.
  std::optional<velmora::DisplayCheck> display(std::in_place);
  if (!display->Problem().empty()) {
    std::fprintf(stderr, "velmora: %s\n", display->Problem().c_str());
    return 1;
  }
  QApplication app(argc, argv);
  display.reset();
  velmora::Forms forms;
  forms.Start();
  return app.exec();
}
