// Draws the fretboard picture at single and double resolution into the
// directory given on the command line.

#include <QDir>
#include <QImage>
#include <QImageWriter>
#include <QString>
#include <cstdio>

#include "fretboard_painter.h"

namespace {

bool Save(const QImage& image, const QString& path) {
  QImageWriter writer(path, "png");
  // Quality 0 asks the PNG writer for its strongest compression.
  writer.setQuality(0);
  if (writer.write(image)) {
    return true;
  }
  std::fprintf(stderr, "velmora-draw-fretboard: cannot write %s: %s\n",
               qPrintable(path), qPrintable(writer.errorString()));
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: velmora-draw-fretboard <output directory>\n");
    return 2;
  }
  const QDir output(QString::fromLocal8Bit(argv[1]));
  const bool single = Save(velmora::fretboard::DrawFretboard(1),
                           output.filePath(QStringLiteral("fretboard.png")));
  const bool twice = Save(velmora::fretboard::DrawFretboard(2),
                          output.filePath(QStringLiteral("fretboard@2x.png")));
  return single && twice ? 0 : 1;
}
