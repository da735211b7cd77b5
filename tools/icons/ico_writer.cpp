#include "ico_writer.h"

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "standard_palette.h"

namespace velmora::icons {

namespace {

// Sizes of the fixed parts of the file, in bytes.
constexpr int kIconDirSize = 6;
constexpr int kIconDirEntrySize = 16;
constexpr int kBitmapInfoHeaderSize = 40;
constexpr int kPaletteSize = 16 * 4;

constexpr int kBitsPerPixel = 4;
constexpr int kMaxSide = 256;

void AppendU8(QByteArray& out, int value) {
  out.append(static_cast<char>(value & 0xff));
}

void AppendU16(QByteArray& out, int value) {
  AppendU8(out, value);
  AppendU8(out, value >> 8);
}

void AppendU32(QByteArray& out, std::uint32_t value) {
  AppendU16(out, static_cast<int>(value & 0xffff));
  AppendU16(out, static_cast<int>(value >> 16));
}

// Bitmap rows are padded to whole 32-bit words.
int RowBytes(int width, int bitsPerPixel) {
  return (width * bitsPerPixel + 31) / 32 * 4;
}

std::string Where(int imageIndex, int x, int y) {
  return "image " + std::to_string(imageIndex) + ", pixel (" + std::to_string(x) +
         ", " + std::to_string(y) + ")";
}

// One entry in palette form: the colour index of each pixel (0 where the
// pixel is transparent) and whether it is transparent, row by row from the top.
struct IndexedImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> index;
  std::vector<bool> transparent;
};

IndexedImage ToPalette(const QImage& image, int imageIndex) {
  if (image.width() < 1 || image.width() > kMaxSide || image.height() < 1 ||
      image.height() > kMaxSide) {
    throw std::invalid_argument("image " + std::to_string(imageIndex) +
                                ": sides must be 1 to 256 pixels");
  }
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  IndexedImage result;
  result.width = argb.width();
  result.height = argb.height();
  const std::size_t pixels = static_cast<std::size_t>(result.width) * result.height;
  result.index.reserve(pixels);
  result.transparent.reserve(pixels);
  for (int y = 0; y < argb.height(); ++y) {
    for (int x = 0; x < argb.width(); ++x) {
      const QRgb pixel = argb.pixel(x, y);
      const int alpha = qAlpha(pixel);
      if (alpha == 0) {
        result.index.push_back(0);
        result.transparent.push_back(true);
        continue;
      }
      if (alpha != 255) {
        throw std::invalid_argument(Where(imageIndex, x, y) +
                                    ": partly transparent; the mask has one bit");
      }
      const std::optional<int> index = StandardPaletteIndex(pixel);
      if (!index) {
        throw std::invalid_argument(Where(imageIndex, x, y) +
                                    ": colour outside the 16-colour palette");
      }
      result.index.push_back(static_cast<std::uint8_t>(*index));
      result.transparent.push_back(false);
    }
  }
  return result;
}

// The image data of one entry: a BITMAPINFOHEADER, the palette, the colour
// (XOR) bitmap and the AND mask, both bitmaps stored bottom row first.
QByteArray EncodeEntry(const IndexedImage& image) {
  const int colourRow = RowBytes(image.width, kBitsPerPixel);
  const int maskRow = RowBytes(image.width, 1);
  const int bitmapsSize = (colourRow + maskRow) * image.height;

  QByteArray out;
  out.reserve(kBitmapInfoHeaderSize + kPaletteSize + bitmapsSize);
  AppendU32(out, kBitmapInfoHeaderSize);
  AppendU32(out, static_cast<std::uint32_t>(image.width));
  // The height covers both bitmaps, colour and mask, so it is doubled.
  AppendU32(out, static_cast<std::uint32_t>(image.height * 2));
  AppendU16(out, 1);  // planes
  AppendU16(out, kBitsPerPixel);
  AppendU32(out, 0);  // no compression
  AppendU32(out, static_cast<std::uint32_t>(bitmapsSize));
  AppendU32(out, 0);  // horizontal resolution: unspecified
  AppendU32(out, 0);  // vertical resolution: unspecified
  AppendU32(out, 0);  // colours used: 0 means all 16
  AppendU32(out, 0);  // important colours: all

  for (const QRgb colour : kStandardPalette) {
    AppendU8(out, qBlue(colour));
    AppendU8(out, qGreen(colour));
    AppendU8(out, qRed(colour));
    AppendU8(out, 0);
  }

  for (int y = image.height - 1; y >= 0; --y) {
    const std::size_t row = static_cast<std::size_t>(y) * image.width;
    QByteArray bytes(colourRow, '\0');
    for (int x = 0; x < image.width; ++x) {
      // Two pixels to a byte, the left one in the high nibble.
      const int shift = x % 2 == 0 ? 4 : 0;
      bytes[x / 2] = static_cast<char>(bytes[x / 2] | (image.index[row + x] << shift));
    }
    out.append(bytes);
  }

  for (int y = image.height - 1; y >= 0; --y) {
    const std::size_t row = static_cast<std::size_t>(y) * image.width;
    QByteArray bytes(maskRow, '\0');
    for (int x = 0; x < image.width; ++x) {
      // A set bit leaves the screen showing through; the leftmost pixel is
      // the byte's highest bit.
      if (image.transparent[row + x]) {
        bytes[x / 8] = static_cast<char>(bytes[x / 8] | (0x80 >> (x % 8)));
      }
    }
    out.append(bytes);
  }
  return out;
}

}  // namespace

QByteArray EncodeIco(const QList<QImage>& images) {
  if (images.isEmpty()) {
    throw std::invalid_argument("an icon file needs at least one image");
  }
  std::vector<IndexedImage> indexed;
  indexed.reserve(static_cast<std::size_t>(images.size()));
  for (int i = 0; i < images.size(); ++i) {
    indexed.push_back(ToPalette(images[i], i));
  }

  QByteArray directory;
  AppendU16(directory, 0);  // reserved
  AppendU16(directory, 1);  // resource type: icon
  AppendU16(directory, static_cast<int>(indexed.size()));

  QByteArray data;
  std::uint32_t offset =
      kIconDirSize + kIconDirEntrySize * static_cast<std::uint32_t>(indexed.size());
  for (const IndexedImage& image : indexed) {
    const QByteArray entry = EncodeEntry(image);
    // A side of 256 is written as 0.
    AppendU8(directory, image.width % kMaxSide);
    AppendU8(directory, image.height % kMaxSide);
    AppendU8(directory, 16);  // colours in the palette
    AppendU8(directory, 0);   // reserved
    AppendU16(directory, 1);  // planes
    AppendU16(directory, kBitsPerPixel);
    AppendU32(directory, static_cast<std::uint32_t>(entry.size()));
    AppendU32(directory, offset);
    offset += static_cast<std::uint32_t>(entry.size());
    data.append(entry);
  }
  return directory + data;
}

}  // namespace velmora::icons
