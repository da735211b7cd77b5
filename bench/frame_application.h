#pragma once

#include <QApplication>
#include <QPointer>
#include <QWidget>
#include <chrono>
#include <functional>

namespace velmora::bench {

// An application that tells when a window has finished painting a frame.
//
// A frame is painted inside one event delivered to the window, to its widget
// (an update request) or to its native window (an expose): the widgets are
// painted into the backing store and the store is flushed to the screen
// before that event returns. A frame therefore ends when the outermost such
// event returns and at least one widget of the window was painted during it.
class FrameApplication : public QApplication {
 public:
  using Clock = std::chrono::steady_clock;
  using FrameEnd = std::function<void(Clock::time_point)>;

  FrameApplication(int& argc, char** argv);

  // From now on, calls `frameEnd` at the end of each frame of `window`.
  void Watch(const QWidget& window, FrameEnd frameEnd);

 protected:
  bool notify(QObject* receiver, QEvent* event) override;

 private:
  bool IsWindow(const QObject* receiver) const;
  bool IsWidgetOfWindow(const QObject* receiver) const;

  QPointer<const QWidget> window_;
  FrameEnd frameEnd_;
  int windowDepth_ = 0;
  bool painted_ = false;
};

}  // namespace velmora::bench
