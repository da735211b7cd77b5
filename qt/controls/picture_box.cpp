#include "controls/picture_box.h"

#include <QFileInfo>
#include <QPainter>

#include "controls/picture_pixels.h"

namespace velmora {
namespace {

QString DoublePath(const QString& path) {
  const QFileInfo info(path);
  return info.path() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral("@2x.") +
         info.suffix();
}

}  // namespace

PictureBox::PictureBox(const QString& path, QWidget* parent) : QWidget(parent), path_(path) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
}

const QImage& PictureBox::PictureFor(qreal devicePixelRatio) {
  // Each picture is read only when a screen first needs it.
  if (devicePixelRatio > 1.0) {
    if (double_.isNull()) {
      double_ = ReadPicturePixels(DoublePath(path_));
      double_.setDevicePixelRatio(2.0);
    }
    return double_;
  }
  if (single_.isNull()) single_ = ReadPicturePixels(path_);
  return single_;
}

void PictureBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(QPointF(0, 0), PictureFor(devicePixelRatioF()));
}

}  // namespace velmora
