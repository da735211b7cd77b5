// The chart's start-up, as its main() does it, ending as soon as the chart
// window's first frame has been painted.

#include <optional>

#include "forms/forms.h"
#include "frame_application.h"
#include "placement/display_check.h"

int main(int argc, char* argv[]) {
  std::optional<velmora::DisplayCheck> display(std::in_place);
  if (!display->Problem().empty()) return 1;
  velmora::bench::FrameApplication app(argc, argv);
  display.reset();
  velmora::Forms forms;
  app.Watch(forms.form1(), [](auto) { QCoreApplication::exit(0); });
  forms.Start();
  return app.exec();
}
