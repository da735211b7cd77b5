// The chart's start-up, as its main() does it, ending as soon as the chart
// window's first frame has been painted.

#include "forms/forms.h"
#include "frame_application.h"
#include "placement/display_check.h"

int main(int argc, char* argv[]) {
  velmora::ChooseDisplayPlatform();
  if (!velmora::DisplayProblem().empty()) return 1;
  velmora::bench::FrameApplication app(argc, argv);
  velmora::Forms forms;
  app.Watch(forms.form1(), [](auto) { QCoreApplication::exit(0); });
  forms.Start();
  return app.exec();
}
