// Turns a picture into the uncompressed form the program shows without
// decoding: the width and the height as 32-bit little-endian numbers, then
// the rows of 0xffRRGGBB pixels, each a 32-bit little-endian number.
// usage: velmora-picture-pixels <picture> <output>

#include <QFile>
#include <QImage>
#include <QtEndian>
#include <cstdio>

int main(int argc, char* argv[]) {
  if (argc != 3) {
    std::fputs("usage: velmora-picture-pixels <picture> <output>\n", stderr);
    return 2;
  }
  const QImage picture = QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_RGB32);
  if (picture.isNull()) {
    std::fprintf(stderr, "velmora-picture-pixels: cannot read %s\n", argv[1]);
    return 1;
  }
  QByteArray pixels;
  const auto append = [&pixels](quint32 value) {
    const quint32 little = qToLittleEndian(value);
    pixels.append(reinterpret_cast<const char*>(&little), sizeof little);
  };
  append(static_cast<quint32>(picture.width()));
  append(static_cast<quint32>(picture.height()));
  for (int y = 0; y < picture.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
    for (int x = 0; x < picture.width(); ++x) append(row[x]);
  }
  QFile out(QString::fromLocal8Bit(argv[2]));
  if (!out.open(QIODevice::WriteOnly) || out.write(pixels) != pixels.size()) {
    std::fprintf(stderr, "velmora-picture-pixels: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
