// Turns the hand-drawn XPM icons into the files the program is shipped with:
//   velmora.ico                        the program's icon, the microphone
//   notes.ico                          the About window's icon, 32 and 16 px
//   hicolor/<n>x<n>/apps/velmora.png   the microphone for the freedesktop
//                                      icon theme, n = 16, 32, 48, 64, 128

#include <cstdio>
#include <exception>
#include <stdexcept>
#include <string>

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QSaveFile>
#include <QString>

#include "ico_writer.h"
#include "nearest_scale.h"

namespace {

QImage Load(const QDir& sources, const char* name) {
  const QString path = sources.filePath(QString::fromLatin1(name));
  QImage image(path, "XPM");
  if (image.isNull()) {
    throw std::runtime_error("cannot read " + path.toStdString());
  }
  return image.convertToFormat(QImage::Format_ARGB32);
}

void MakeParent(const QString& path) {
  if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
    throw std::runtime_error("cannot create the folder of " + path.toStdString());
  }
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
  MakeParent(path);
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() ||
      !file.commit()) {
    throw std::runtime_error("cannot write " + path.toStdString() + ": " +
                             file.errorString().toStdString());
  }
}

void WritePng(const QString& path, const QImage& image) {
  MakeParent(path);
  QImageWriter writer(path, "png");
  if (!writer.write(image)) {
    throw std::runtime_error("cannot write " + path.toStdString() + ": " +
                             writer.errorString().toStdString());
  }
}

void Export(const QDir& sources, const QDir& output) {
  const QImage microphone = Load(sources, "microphone.xpm");
  const QImage microphone16 = Load(sources, "microphone-16.xpm");
  const QImage notes32 = Load(sources, "notes-32.xpm");
  const QImage notes16 = Load(sources, "notes-16.xpm");

  WriteBytes(output.filePath(QStringLiteral("velmora.ico")),
             velmora::icons::EncodeIco({microphone}));
  WriteBytes(output.filePath(QStringLiteral("notes.ico")),
             velmora::icons::EncodeIco({notes32, notes16}));

  // Every theme size is one of the two drawings enlarged by a whole factor,
  // so each pixel stays a sharp square. 48 px is the 16-px drawing tripled:
  // the 32-px one would need a factor of 1.5.
  struct ThemeSize {
    int size;
    const QImage& drawing;
  };
  const ThemeSize sizes[] = {
      {16, microphone16}, {32, microphone}, {48, microphone16},
      {64, microphone},   {128, microphone},
  };
  for (const ThemeSize& theme : sizes) {
    const int factor = theme.size / theme.drawing.width();
    if (factor * theme.drawing.width() != theme.size ||
        factor * theme.drawing.height() != theme.size) {
      throw std::runtime_error("a " + std::to_string(theme.drawing.width()) + "x" +
                               std::to_string(theme.drawing.height()) +
                               " drawing does not enlarge to " +
                               std::to_string(theme.size) + " px");
    }
    const QString path =
        output.filePath(QStringLiteral("hicolor/%1x%1/apps/velmora.png").arg(theme.size));
    WritePng(path, velmora::icons::EnlargeNearest(theme.drawing, factor));
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: velmora-export-icons <xpm directory> <output directory>\n");
    return 2;
  }
  try {
    Export(QDir(QString::fromLocal8Bit(argv[1])), QDir(QString::fromLocal8Bit(argv[2])));
  } catch (const std::exception& error) {
    std::fprintf(stderr, "velmora-export-icons: %s\n", error.what());
    return 1;
  }
  return 0;
}
