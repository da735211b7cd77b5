#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

namespace velmora {

// An image control: shows a picture unscaled, its top-left pixel at the
// control's top-left corner, clipped by the control. On screens above 100 %
// it draws the picture's double-resolution counterpart ("@2x"), so strings
// and frets stay sharp.
class PictureBox : public QWidget {
 public:
  // `path` names the 1x picture; its "@2x" sibling must sit beside it.
  PictureBox(const QString& path, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const QImage& PictureFor(qreal devicePixelRatio);

  QString path_;
  QImage single_;
  QImage double_;
};

}  // namespace velmora
