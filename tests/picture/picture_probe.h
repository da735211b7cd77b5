#pragma once

#include <QImage>
#include <QRect>
#include <QRgb>
#include <vector>

namespace velmora::picture {

// One of the committed fretboard pictures and its device pixels per picture
// pixel: 1 for fretboard.png, 2 for fretboard@2x.png.
struct Picture {
  QImage image;
  int scale;
};

// Loads the committed picture drawn at `scale` (1 or 2).
Picture LoadPicture(int scale);

double Luminance(QRgb pixel);

// Clearly lighter than any wood: strings, frets, nut, inlays, edge strip.
bool IsBright(QRgb pixel);

// A light vertical bar: the left edge strip, the nut or a fret line. Centre
// and edges are in picture pixels, found from the share of each column that
// the bar's colour covers; the columns are device columns.
struct Bar {
  int firstColumn;
  int lastColumn;
  int peakColumn;
  double centre;
  double width;
  double Left() const { return centre - width / 2.0; }
  double Right() const { return centre + width / 2.0; }
};

// The bars from left to right, measured in the rows between strings 1 and 2,
// which no string and no inlay crosses.
std::vector<Bar> FindBars(const Picture& picture);

// The device row inside the band that FindBars measures.
int BarBandRow(const Picture& picture);

// The x, in picture pixels, midway across the wood between two neighbouring
// bars: space 0 is the open-string stretch between the edge strip and the
// nut, space k (1 to 21) lies between fret line k - 1 (or the nut) and k.
double SpaceMiddle(const std::vector<Bar>& bars, int space);

// A string line where it crosses one device column, in picture pixels: its
// centre (brightness-weighted) and its thickness (how much full string
// colour its pixels add up to).
struct StringLine {
  double centre;
  double thickness;
};

// The string lines crossing a device column, top to bottom. Runs of light
// pixels too tall for a string (an inlay) are left out.
std::vector<StringLine> StringLinesAt(const Picture& picture, int column);

// A light patch that touches neither a string, a fret line, the nut nor the
// picture's border. Box in device pixels, centre in picture pixels.
struct Blob {
  QRect box;
  double centreX;
  double centreY;
};

std::vector<Blob> FindBlobs(const Picture& picture);

// Whether a device pixel lies well inside the wood, at least two device
// pixels from anything light and below the top edge line.
bool IsInnerWood(const Picture& picture, int x, int y);

}  // namespace velmora::picture
