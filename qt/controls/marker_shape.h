#pragma once

#include <QPointF>
#include <QWidget>

namespace velmora {

// A string marker: a yellow disc about ten pixels across, centred half a
// pixel right of and below its Left and Top (a one-pixel circle drawn with a
// ten-pixel outline). Only its Left and its visibility change after creation.
class MarkerShape : public QWidget {
 public:
  MarkerShape(float leftTwips, float topTwips, QWidget* parent);

  float Left() const { return left_; }
  void SetLeft(float leftTwips);
  // The disc's centre in the parent's pixels.
  QPointF Centre() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void Place();

  float left_;
  float top_;
};

}  // namespace velmora
