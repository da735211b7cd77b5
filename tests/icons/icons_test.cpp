#include <array>
#include <cstdint>
#include <ostream>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QString>
#include <gtest/gtest.h>

#include "ico_writer.h"

namespace {

// The classic 16-colour palette in its index order, written out here rather
// than taken from the encoder so that a wrong entry there shows up.
constexpr std::array<QRgb, 16> kPalette = {
    0xff000000, 0xff800000, 0xff008000, 0xff808000, 0xff000080, 0xff800080,
    0xff008080, 0xffc0c0c0, 0xff808080, 0xffff0000, 0xff00ff00, 0xffffff00,
    0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff,
};

constexpr QRgb kBlack = 0xff000000;
constexpr QRgb kTeal = 0xff008080;
constexpr QRgb kGrey = 0xff808080;
constexpr QRgb kSilver = 0xffc0c0c0;
constexpr QRgb kYellow = 0xffffff00;
constexpr QRgb kCyan = 0xff00ffff;
constexpr QRgb kWhite = 0xffffffff;

QString SourcePath(const char* name) {
  return QStringLiteral(VELMORA_ICON_SOURCE_DIR "/") + QString::fromLatin1(name);
}

QString ExportPath(const QString& name) {
  return QStringLiteral(VELMORA_ICON_DIR "/") + name;
}

QImage LoadXpm(const char* name) {
  const QImage image(SourcePath(name), "XPM");
  EXPECT_FALSE(image.isNull()) << "cannot read " << name;
  return image.convertToFormat(QImage::Format_ARGB32);
}

// A pixel's value with every fully transparent pixel made the same, since the
// colour under a transparent pixel carries no meaning.
QRgb Seen(QRgb pixel) { return qAlpha(pixel) == 0 ? 0u : pixel; }

std::vector<QImage> ReadIco(QIODevice* device) {
  QImageReader reader(device, "ico");
  std::vector<QImage> images;
  const int count = reader.imageCount();
  for (int i = 0; i < count; ++i) {
    if (i > 0 && !reader.jumpToNextImage()) {
      ADD_FAILURE() << "cannot reach image " << i;
      break;
    }
    QImage image = reader.read();
    if (image.isNull()) {
      ADD_FAILURE() << "cannot read image " << i << ": "
                    << reader.errorString().toStdString();
      break;
    }
    images.push_back(image.convertToFormat(QImage::Format_ARGB32));
  }
  return images;
}

std::vector<QImage> ReadIcoFile(const QString& path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  return ReadIco(&file);
}

std::vector<QImage> DecodeIco(QByteArray bytes) {
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  return ReadIco(&buffer);
}

int TransparentCount(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      count += qAlpha(image.pixel(x, y)) == 0 ? 1 : 0;
    }
  }
  return count;
}

std::set<QRgb> OpaqueColours(const QImage& image) {
  std::set<QRgb> colours;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb pixel = image.pixel(x, y);
      if (qAlpha(pixel) != 0) {
        colours.insert(pixel);
      }
    }
  }
  return colours;
}

// Checks that `actual` shows `expected` pixel for pixel, every pixel of
// `actual` standing for the pixel of `expected` that covers it when
// `expected` is enlarged `factor` times.
void ExpectSameDrawing(const QImage& expected, const QImage& actual, int factor) {
  ASSERT_EQ(actual.width(), expected.width() * factor);
  ASSERT_EQ(actual.height(), expected.height() * factor);
  int differing = 0;
  for (int y = 0; y < actual.height(); ++y) {
    for (int x = 0; x < actual.width(); ++x) {
      const QRgb want = Seen(expected.pixel(x / factor, y / factor));
      const QRgb got = Seen(actual.pixel(x, y));
      if (want != got && ++differing <= 5) {
        ADD_FAILURE() << "pixel (" << x << ", " << y << "): expected 0x" << std::hex
                      << want << ", got 0x" << got << std::dec;
      }
    }
  }
  EXPECT_EQ(differing, 0);
}

std::uint32_t ReadLe(const QByteArray& bytes, int offset, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) {
    value = value << 8 | static_cast<std::uint8_t>(bytes.at(offset + i));
  }
  return value;
}

struct Drawing {
  const char* name;
  int size;
};

constexpr Drawing kDrawings[] = {
    {"microphone.xpm", 32},
    {"microphone-16.xpm", 16},
    {"notes-32.xpm", 32},
    {"notes-16.xpm", 16},
};

TEST(IconDrawings, HaveTheirSizes) {
  for (const Drawing& drawing : kDrawings) {
    const QImage image = LoadXpm(drawing.name);
    EXPECT_EQ(image.width(), drawing.size) << drawing.name;
    EXPECT_EQ(image.height(), drawing.size) << drawing.name;
  }
}

TEST(IconDrawings, UseOnlyPaletteColoursAndFullTransparency) {
  const std::set<QRgb> palette(kPalette.begin(), kPalette.end());
  for (const Drawing& drawing : kDrawings) {
    const QImage image = LoadXpm(drawing.name);
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        const QRgb pixel = image.pixel(x, y);
        if (qAlpha(pixel) != 0) {
          EXPECT_EQ(palette.count(pixel), 1u)
              << drawing.name << " (" << x << ", " << y << ") 0x" << std::hex << pixel;
        }
      }
    }
  }
}

TEST(MicrophoneDrawing, LeavesExactly720PixelsTransparent) {
  EXPECT_EQ(TransparentCount(LoadXpm("microphone.xpm")), 720);
}

TEST(MicrophoneDrawing, UsesExactlyItsSevenColoursAtBothSizes) {
  const std::set<QRgb> expected = {kBlack, kTeal, kGrey, kSilver, kYellow, kCyan, kWhite};
  EXPECT_EQ(OpaqueColours(LoadXpm("microphone.xpm")), expected);
  EXPECT_EQ(OpaqueColours(LoadXpm("microphone-16.xpm")), expected);
}

TEST(NotesDrawings, AreBlackWithDarkGreyEdgesOnTransparency) {
  const std::set<QRgb> expected = {kBlack, kGrey};
  for (const char* name : {"notes-32.xpm", "notes-16.xpm"}) {
    const QImage image = LoadXpm(name);
    EXPECT_EQ(OpaqueColours(image), expected) << name;
    EXPECT_GT(TransparentCount(image), image.width() * image.height() / 2) << name;
  }
}

TEST(ProgramIcon, HoldsTheMicrophoneAlone) {
  const std::vector<QImage> images = ReadIcoFile(ExportPath(QStringLiteral("velmora.ico")));
  ASSERT_EQ(images.size(), 1u);
  ExpectSameDrawing(LoadXpm("microphone.xpm"), images[0], 1);
}

TEST(NotesIcon, HoldsTheNotesAt32And16Pixels) {
  const std::vector<QImage> images = ReadIcoFile(ExportPath(QStringLiteral("notes.ico")));
  ASSERT_EQ(images.size(), 2u);
  ExpectSameDrawing(LoadXpm("notes-32.xpm"), images[0], 1);
  ExpectSameDrawing(LoadXpm("notes-16.xpm"), images[1], 1);
}

// Reads the headers of an exported .ico file byte by byte: each entry must be
// a 16-colour, 4-bit bitmap with the standard palette and a 1-bit mask.
void ExpectClassicIco(const QString& name, const std::vector<int>& sides) {
  QFile file(ExportPath(name));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
  const QByteArray bytes = file.readAll();
  ASSERT_GE(bytes.size(), 6);
  EXPECT_EQ(ReadLe(bytes, 0, 2), 0u);
  EXPECT_EQ(ReadLe(bytes, 2, 2), 1u);
  ASSERT_EQ(ReadLe(bytes, 4, 2), sides.size());
  ASSERT_GE(bytes.size(), 6 + 16 * static_cast<int>(sides.size()));

  std::uint32_t expectedOffset = 6 + 16 * static_cast<std::uint32_t>(sides.size());
  for (std::size_t i = 0; i < sides.size(); ++i) {
    SCOPED_TRACE(name.toStdString() + " entry " + std::to_string(i));
    const int entry = 6 + 16 * static_cast<int>(i);
    const auto side = static_cast<std::uint32_t>(sides[i]);
    EXPECT_EQ(ReadLe(bytes, entry + 0, 1), side);
    EXPECT_EQ(ReadLe(bytes, entry + 1, 1), side);
    EXPECT_EQ(ReadLe(bytes, entry + 2, 1), 16u);
    EXPECT_EQ(ReadLe(bytes, entry + 3, 1), 0u);
    EXPECT_EQ(ReadLe(bytes, entry + 4, 2), 1u);
    EXPECT_EQ(ReadLe(bytes, entry + 6, 2), 4u);
    const std::uint32_t colourRow = (side * 4 + 31) / 32 * 4;
    const std::uint32_t maskRow = (side + 31) / 32 * 4;
    const std::uint32_t size = 40 + 16 * 4 + (colourRow + maskRow) * side;
    EXPECT_EQ(ReadLe(bytes, entry + 8, 4), size);
    ASSERT_EQ(ReadLe(bytes, entry + 12, 4), expectedOffset);
    const int header = static_cast<int>(expectedOffset);
    ASSERT_GE(bytes.size(), header + static_cast<int>(size));

    EXPECT_EQ(ReadLe(bytes, header + 0, 4), 40u);
    EXPECT_EQ(ReadLe(bytes, header + 4, 4), side);
    EXPECT_EQ(ReadLe(bytes, header + 8, 4), 2 * side);
    EXPECT_EQ(ReadLe(bytes, header + 12, 2), 1u);
    EXPECT_EQ(ReadLe(bytes, header + 14, 2), 4u);
    EXPECT_EQ(ReadLe(bytes, header + 16, 4), 0u);
    for (int c = 0; c < 16; ++c) {
      const int quad = header + 40 + 4 * c;
      EXPECT_EQ(qRgb(static_cast<int>(ReadLe(bytes, quad + 2, 1)),
                     static_cast<int>(ReadLe(bytes, quad + 1, 1)),
                     static_cast<int>(ReadLe(bytes, quad, 1))),
                kPalette[static_cast<std::size_t>(c)])
          << "palette entry " << c;
      EXPECT_EQ(ReadLe(bytes, quad + 3, 1), 0u);
    }
    expectedOffset += size;
  }
  EXPECT_EQ(static_cast<std::uint32_t>(bytes.size()), expectedOffset);
}

TEST(IcoFiles, AreClassicSixteenColourIcons) {
  ExpectClassicIco(QStringLiteral("velmora.ico"), {32});
  ExpectClassicIco(QStringLiteral("notes.ico"), {32, 16});
}

struct ThemeIcon {
  int size;
  const char* drawing;
  int factor;
};

void PrintTo(const ThemeIcon& icon, std::ostream* out) {
  *out << icon.size << " px from " << icon.drawing << " x " << icon.factor;
}

class ThemePng : public testing::TestWithParam<ThemeIcon> {};

TEST_P(ThemePng, IsTheDrawingEnlargedWithTransparencyKept) {
  const ThemeIcon icon = GetParam();
  const QString path =
      ExportPath(QStringLiteral("hicolor/%1x%1/apps/velmora.png").arg(icon.size));
  const QImage png(path, "PNG");
  ASSERT_FALSE(png.isNull()) << path.toStdString();
  EXPECT_TRUE(png.hasAlphaChannel());
  EXPECT_EQ(png.width(), icon.size);
  EXPECT_EQ(png.height(), icon.size);
  ExpectSameDrawing(LoadXpm(icon.drawing), png.convertToFormat(QImage::Format_ARGB32),
                    icon.factor);
}

INSTANTIATE_TEST_SUITE_P(Microphone, ThemePng,
                         testing::Values(ThemeIcon{16, "microphone-16.xpm", 1},
                                         ThemeIcon{32, "microphone.xpm", 1},
                                         ThemeIcon{48, "microphone-16.xpm", 3},
                                         ThemeIcon{64, "microphone.xpm", 2},
                                         ThemeIcon{128, "microphone.xpm", 4}),
                         [](const testing::TestParamInfo<ThemeIcon>& param) {
                           return "Size" + std::to_string(param.param.size);
                         });

// An image of an odd width whose pixels run through all sixteen palette
// colours and transparency, so that nibble order, row padding, the mask bits
// and the bottom-up row order all matter.
QImage EveryColourPattern(int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const int k = (x + 3 * y) % 17;
      image.setPixel(x, y, k == 16 ? qRgba(0, 0, 0, 0) : kPalette[static_cast<std::size_t>(k)]);
    }
  }
  return image;
}

TEST(IcoEncoder, RoundTripsEveryColourAtOddSizes) {
  const QImage wide = EveryColourPattern(37, 5);
  const QImage narrow = EveryColourPattern(3, 9);
  const std::vector<QImage> decoded =
      DecodeIco(velmora::icons::EncodeIco({wide, narrow}));
  ASSERT_EQ(decoded.size(), 2u);
  ExpectSameDrawing(wide, decoded[0], 1);
  ExpectSameDrawing(narrow, decoded[1], 1);
}

TEST(IcoEncoder, RejectsAColourOutsideThePalette) {
  QImage image = EveryColourPattern(4, 4);
  image.setPixel(2, 1, qRgb(0, 0, 127));
  EXPECT_THROW(velmora::icons::EncodeIco({image}), std::invalid_argument);
}

TEST(IcoEncoder, RejectsPartialTransparency) {
  QImage image = EveryColourPattern(4, 4);
  image.setPixel(3, 3, qRgba(255, 255, 255, 128));
  EXPECT_THROW(velmora::icons::EncodeIco({image}), std::invalid_argument);
}

}  // namespace
