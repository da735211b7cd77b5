#pragma once

#include <windows.h>

#include <array>

#include "chord_vocabulary.h"

namespace velmora::win32 {

// One string marker: a shape with no window of its own, drawn by the picture
// it lies on. Its Left (twips) and visibility change; its row never does.
struct MarkerShape {
  float left;
  float top;
  bool visible = true;
};

// Image1: the fretboard picture, shown pixel for pixel (its double-size
// drawing on a screen of twice the dots per inch), with the six markers S1
// to S6 drawn in front of it. Positions are the form's twips.
class FretboardPicture {
 public:
  // `dpi`: the form's dots per inch.
  FretboardPicture(HWND form, int id, float leftTwips, float topTwips, UINT dpi);
  ~FretboardPicture();
  FretboardPicture(const FretboardPicture&) = delete;
  FretboardPicture& operator=(const FretboardPicture&) = delete;

  HWND Handle() const { return hwnd_; }
  // Marker of string 1 (S1, top row) to 6 (S6, bottom row).
  const MarkerShape& Marker(int string) const { return markers_[static_cast<std::size_t>(string - 1)]; }
  void SetMarkerLeft(int string, float leftTwips);
  void SetMarkerVisible(int string, bool visible);
  void PlaceMarkers(float leftTwips, const std::array<int, kStringCount>& topsTwips);
  // The form has moved to a screen of another density.
  void SetDpi(UINT dpi);

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void Paint();
  void DrawMarkers(HDC dc) const;

  HWND hwnd_;
  float leftTwips_;
  float topTwips_;
  UINT dpi_;
  std::array<MarkerShape, kStringCount> markers_{};
  // Decoded when first painted at each size.
  HBITMAP picture_ = nullptr;
  HBITMAP picture2x_ = nullptr;
};

}  // namespace velmora::win32
