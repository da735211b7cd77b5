#include "controls/marker_shape.h"

#include <QPainter>
#include <cmath>

#include "layout/form1_layout.h"
#include "placement/twips.h"

namespace velmora {
namespace {

constexpr double kDiscRadius = form1_layout::kMarkerDiscRadiusPixels;
// The widget is a square of whole pixels that holds the disc wherever its
// fractional centre falls.
constexpr int kBoxSize = 12;

const QColor kMarkerYellow(255, 255, 0);

}  // namespace

MarkerShape::MarkerShape(float leftTwips, float topTwips, QWidget* parent)
    : QWidget(parent), left_(leftTwips), top_(topTwips) {
  // Shapes raise no events: clicks fall through to what lies below.
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  Place();
}

void MarkerShape::SetLeft(float leftTwips) {
  if (leftTwips == left_) return;
  left_ = leftTwips;
  Place();
}

QPointF MarkerShape::Centre() const {
  const double halfPixel = twips::kPerPixel / 2;
  return twips::ToPointF(left_ + halfPixel, top_ + halfPixel);
}

void MarkerShape::Place() {
  const QPointF centre = Centre();
  const int x = static_cast<int>(std::floor(centre.x())) - kBoxSize / 2;
  const int y = static_cast<int>(std::floor(centre.y())) - kBoxSize / 2;
  setGeometry(x, y, kBoxSize, kBoxSize);
}

void MarkerShape::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(kMarkerYellow);
  painter.drawEllipse(Centre() - QPointF(pos()), kDiscRadius, kDiscRadius);
}

}  // namespace velmora
