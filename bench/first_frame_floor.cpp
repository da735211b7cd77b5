// The least a Qt Widgets program does to put a window of the chart's size on
// the screen: one plain window holding one label, so that fonts are loaded as
// in the chart. It ends as soon as the window's first frame has been painted.

#include <QLabel>
#include <QWidget>

#include "frame_application.h"

int main(int argc, char* argv[]) {
  velmora::bench::FrameApplication app(argc, argv);
  QWidget window;
  window.resize(497, 136);
  QLabel label(QStringLiteral("Am7"), &window);
  label.move(168, 7);
  app.Watch(window, [](auto) { QCoreApplication::exit(0); });
  window.show();
  return app.exec();
}
