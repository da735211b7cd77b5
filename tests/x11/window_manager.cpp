#include "window_manager.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QWidget>
#include <stdexcept>

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

int Field(const QString& text, const QString& label) {
  const QRegularExpression pattern(QRegularExpression::escape(label) + QStringLiteral(":\\s*(-?\\d+)"));
  const QRegularExpressionMatch match = pattern.match(text);
  if (!match.hasMatch()) throw std::runtime_error(("no " + label + " in " + text).toStdString());
  return match.captured(1).toInt();
}

}  // namespace

QPoint WindowManager::ClientCorner(const QWidget& window) {
  const QString info = Run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), WindowId(window)});
  return QPoint(Field(info, QStringLiteral("Absolute upper-left X")), Field(info, QStringLiteral("Absolute upper-left Y")));
}

QPoint WindowManager::FrameCorner(const QWidget& window) {
  const QPoint client = ClientCorner(window);
  // _NET_FRAME_EXTENTS(CARDINAL) = left, right, top, bottom
  const QString extents = Run(QStringLiteral("xprop"),
                              {QStringLiteral("-id"), WindowId(window), QStringLiteral("_NET_FRAME_EXTENTS")});
  const QRegularExpressionMatch match =
      QRegularExpression(QStringLiteral("= (\\d+), (\\d+), (\\d+), (\\d+)")).match(extents);
  if (!match.hasMatch()) throw std::runtime_error(("no frame extents: " + extents).toStdString());
  return client - QPoint(match.captured(1).toInt(), match.captured(3).toInt());
}

QPoint WindowManager::SettledFrameCorner(const QWidget& window) {
  QPoint last = FrameCorner(window);
  int still = 0;
  for (int i = 0; i < 100 && still < 3; ++i) {
    QTest::qWait(40);
    const QPoint now = FrameCorner(window);
    still = now == last ? still + 1 : 0;
    last = now;
  }
  return last;
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
    const QPoint client = ClientCorner(window) + corner - now;
    Run(QStringLiteral("xdotool"), {QStringLiteral("windowmove"), WindowId(window), QString::number(client.x()),
                                    QString::number(client.y())});
  }
  return SettledFrameCorner(window);
}

void WindowManager::RequestClose(const QWidget& window) {
  Run(QStringLiteral("wmctrl"), {QStringLiteral("-i"), QStringLiteral("-c"), WindowId(window)});
}

}  // namespace velmora
