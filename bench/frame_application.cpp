#include "frame_application.h"

#include <QEvent>
#include <QWindow>
#include <utility>

namespace velmora::bench {

FrameApplication::FrameApplication(int& argc, char** argv) : QApplication(argc, argv) {}

void FrameApplication::Watch(const QWidget& window, FrameEnd frameEnd) {
  window_ = &window;
  frameEnd_ = std::move(frameEnd);
  windowDepth_ = 0;
  painted_ = false;
}

bool FrameApplication::IsWindow(const QObject* receiver) const {
  return window_ && (receiver == window_ || receiver == window_->windowHandle());
}

bool FrameApplication::IsWidgetOfWindow(const QObject* receiver) const {
  return window_ && receiver->isWidgetType() &&
         static_cast<const QWidget*>(receiver)->window() == window_;
}

bool FrameApplication::notify(QObject* receiver, QEvent* event) {
  if (event->type() == QEvent::Paint && IsWidgetOfWindow(receiver)) painted_ = true;
  if (!IsWindow(receiver)) return QApplication::notify(receiver, event);

  ++windowDepth_;
  const bool handled = QApplication::notify(receiver, event);
  --windowDepth_;
  if (windowDepth_ == 0 && painted_) {
    painted_ = false;
    if (frameEnd_) frameEnd_(Clock::now());
  }
  return handled;
}

}  // namespace velmora::bench
