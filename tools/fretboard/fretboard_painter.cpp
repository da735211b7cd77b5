#include "fretboard_painter.h"

#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <cmath>

#include "fretboard_geometry.h"
#include "wood_grain.h"

namespace velmora::fretboard {
namespace {

void DrawEdges(QPainter& painter) {
  QColor topLine = kEdgeGrey;
  topLine.setAlphaF(static_cast<float>(kTopLineOpacity));
  painter.fillRect(QRectF(0.0, 0.0, kWidth, kTopLineHeight), topLine);
  painter.fillRect(QRectF(0.0, 0.0, kEdgeStripWidth, kHeight), kEdgeGrey);
}

void DrawNut(QPainter& painter) {
  painter.fillRect(QRectF(kNutLeft, 0.0, kNutRight - kNutLeft, kHeight),
                   kNutColour);
}

void DrawFretLines(QPainter& painter) {
  for (int k = 1; k <= kFretLineCount; ++k) {
    // The pixel column that holds the line's centre: whole columns keep the
    // line sharp at every scale.
    const double column = std::floor(kFretLineOrigin + kFretLineSpacing * k);
    painter.fillRect(QRectF(column, 0.0, 1.0, kHeight), kFretColour);
  }
}

void DrawInlays(QPainter& painter) {
  const double radius = kInlayDiameter / 2.0;
  painter.setPen(Qt::NoPen);
  painter.setBrush(kInlayColour);
  for (const Inlay& inlay : kInlays) {
    painter.drawEllipse(QPointF(inlay.x, inlay.y), radius, radius);
  }
}

void DrawStrings(QPainter& painter) {
  for (const String& string : kStrings) {
    painter.fillRect(
        QRectF(kStringStart, string.centreY - string.thickness / 2.0,
               kWidth - kStringStart, string.thickness),
        kStringColour);
  }
}

}  // namespace

QImage DrawFretboard(int scale) {
  QImage image(kWidth * scale, kHeight * scale, QImage::Format_RGB32);
  PaintWood(image, scale);

  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(scale, scale);
  DrawEdges(painter);
  DrawNut(painter);
  DrawFretLines(painter);
  DrawInlays(painter);
  DrawStrings(painter);
  painter.end();
  return image;
}

}  // namespace velmora::fretboard
