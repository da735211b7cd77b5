#include "window_manager.h"

#include <QProcess>
#include <QElapsedTimer>
#include <QTest>
#include <QWidget>
#include <stdexcept>
#include <string>

#include "x11_session.h"
#include "x_windows.h"

namespace velmora {
namespace {

QString Run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(10000) || process.exitCode() != 0) {
    throw std::runtime_error((program + " failed: " + process.readAllStandardError()).toStdString());
  }
  return QString::fromLocal8Bit(process.readAllStandardOutput());
}

QString WindowId(const QWidget& window) { return QString::number(window.winId()); }

xcb_window_t XWindow(const QWidget& window) { return static_cast<xcb_window_t>(window.winId()); }

QPoint ToQPoint(ScreenPoint point) { return QPoint(point.x, point.y); }

// How long a window may take to settle: a manager on a loaded machine can
// take a while to frame a window and answer the program's moves.
constexpr int kSettleWaitMs = 10000;
constexpr int kCorrectionWaitMs = 5000;
// Readings 40 ms apart: one and a half seconds.
constexpr int kCorrectionQuietReadings = 38;

}  // namespace

std::optional<QPoint> WindowManager::FrameCorner(const QWidget& window) {
  const auto corners = Server().Corners(XWindow(window));
  if (!corners) return std::nullopt;
  return ToQPoint(corners->frame);
}

QPoint WindowManager::SettledFrameCorner(const QWidget& window, std::optional<QPoint> expected) {
  // Settled: shown and framed, at the same place on three readings in a
  // row. A reading that finds the window unmapped, unframed or gone, as
  // while the manager takes a frame down and puts one up, starts again.
  std::optional<QPoint> last;
  int still = 0;
  QElapsedTimer waited;
  waited.start();
  // A window that settles elsewhere than expected may still be on its way:
  // a correction the program asked for can come late on a loaded machine.
  // It is waited for until the window has stood still for longer than the
  // program waits for a manager to answer a correction.
  while (still < 3 ||
         (expected && *last != *expected && still < kCorrectionQuietReadings && waited.elapsed() < kCorrectionWaitMs)) {
    if (still < 3 && waited.elapsed() > kSettleWaitMs) {
      throw std::runtime_error("the window never settled on the screen" +
                               (last ? " (last at " + std::to_string(last->x()) + "," + std::to_string(last->y()) + ")"
                                     : std::string(" (never shown)")) +
                               ": " + Server().Describe(XWindow(window)));
    }
    QTest::qWait(40);
    const std::optional<QPoint> now = FrameCorner(window);
    still = now && now == last ? still + 1 : 0;
    last = now;
  }
  return *last;
}

void WindowManager::DragTitleBar(const QWidget& window, QPoint by) {
  const QPoint corner = SettledFrameCorner(window);
  // A point on the title bar, clear of its buttons, in device pixels.
  const QPoint grab = corner + QPoint(qRound(window.width() * window.devicePixelRatioF() / 3), 8);
  const QPoint drop = grab + by;
  Run(QStringLiteral("xdotool"),
      {QStringLiteral("mousemove"), QString::number(grab.x()), QString::number(grab.y()),
       QStringLiteral("sleep"), QStringLiteral("0.05"), QStringLiteral("mousedown"), QStringLiteral("1"),
       QStringLiteral("sleep"), QStringLiteral("0.05"), QStringLiteral("mousemove"),
       QString::number(grab.x() + by.x() / 2), QString::number(grab.y() + by.y() / 2),
       QStringLiteral("sleep"), QStringLiteral("0.05"), QStringLiteral("mousemove"), QString::number(drop.x()),
       QString::number(drop.y()), QStringLiteral("sleep"), QStringLiteral("0.05"), QStringLiteral("mouseup"),
       QStringLiteral("1")});
  QTest::qWait(100);
}

QPoint WindowManager::DragTo(const QWidget& window, QPoint corner) {
  // A manager may hold a window at a screen edge for a while (edge
  // resistance) or snap it; a second, shorter drag finishes the move.
  for (int attempt = 0; attempt < 2; ++attempt) {
    const QPoint now = SettledFrameCorner(window);
    if (now == corner) return now;
    DragTitleBar(window, corner - now);
  }
  // Some managers keep a dragged title bar on the screen but let a window
  // be moved above the top edge by a request.
  return RequestMove(window, corner);
}

QPoint WindowManager::RequestMove(const QWidget& window, QPoint corner) {
  for (int attempt = 0; attempt < 2; ++attempt) {
    const QPoint now = SettledFrameCorner(window);
    if (now == corner) return now;
    const auto corners = Server().Corners(XWindow(window));
    if (!corners) continue;
    const QPoint client = ToQPoint(corners->client) + corner - now;
    Run(QStringLiteral("xdotool"), {QStringLiteral("windowmove"), WindowId(window), QString::number(client.x()),
                                    QString::number(client.y())});
  }
  return SettledFrameCorner(window);
}

void WindowManager::RequestClose(const QWidget& window) {
  Run(QStringLiteral("wmctrl"), {QStringLiteral("-i"), QStringLiteral("-c"), WindowId(window)});
}

}  // namespace velmora
