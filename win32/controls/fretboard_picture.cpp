#include "controls/fretboard_picture.h"

#include <cmath>

#include "controls/picture_resource.h"
#include "layout/form1_layout.h"
#include "placement/dpi_twips.h"
#include "resource_ids.h"

namespace velmora::win32 {
namespace {

constexpr wchar_t kClassName[] = L"VelmoraFretboard";
const COLORREF kMarkerYellow = RGB(255, 255, 0);

void RegisterPictureClass() {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW existing{sizeof existing};
  if (GetClassInfoExW(instance, kClassName, &existing)) return;
  WNDCLASSEXW wc{sizeof wc};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = kClassName;
  RegisterClassExW(&wc);
}

}  // namespace

FretboardPicture::FretboardPicture(HWND form, int id, float leftTwips, float topTwips, UINT dpi)
    : leftTwips_(leftTwips), topTwips_(topTwips), dpi_(dpi) {
  RegisterPictureClass();
  // Reacts to nothing: clicks pass to the form.
  hwnd_ = CreateWindowExW(WS_EX_TRANSPARENT, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_DISABLED, 0, 0, 0, 0, form,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FretboardPicture::WindowProc));
}

FretboardPicture::~FretboardPicture() {
  if (IsWindow(hwnd_)) SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
  if (picture_) DeleteObject(picture_);
  if (picture2x_) DeleteObject(picture2x_);
}

void FretboardPicture::PlaceMarkers(float leftTwips, const std::array<int, kStringCount>& topsTwips) {
  for (std::size_t i = 0; i < markers_.size(); ++i) {
    markers_[i] = MarkerShape{leftTwips, static_cast<float>(topsTwips[i]), true};
  }
  InvalidateRect(hwnd_, nullptr, FALSE);
}

void FretboardPicture::SetDpi(UINT dpi) {
  dpi_ = dpi;
  InvalidateRect(hwnd_, nullptr, FALSE);
}

void FretboardPicture::SetMarkerLeft(int string, float leftTwips) {
  MarkerShape& marker = markers_[static_cast<std::size_t>(string - 1)];
  if (marker.left == leftTwips) return;
  marker.left = leftTwips;
  if (marker.visible) InvalidateRect(hwnd_, nullptr, FALSE);
}

void FretboardPicture::SetMarkerVisible(int string, bool visible) {
  MarkerShape& marker = markers_[static_cast<std::size_t>(string - 1)];
  if (marker.visible == visible) return;
  marker.visible = visible;
  InvalidateRect(hwnd_, nullptr, FALSE);
}

LRESULT CALLBACK FretboardPicture::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* picture = reinterpret_cast<FretboardPicture*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (picture && message == WM_PAINT) {
    picture->Paint();
    return 0;
  }
  if (message == WM_ERASEBKGND) return 1;  // the picture covers it all
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

void FretboardPicture::Paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd_, &paint);
  RECT client{};
  GetClientRect(hwnd_, &client);

  // Composed off screen, so that a marker never shows without its picture.
  HDC canvas = CreateCompatibleDC(dc);
  HBITMAP surface = CreateCompatibleBitmap(dc, client.right, client.bottom);
  HGDIOBJ oldSurface = SelectObject(canvas, surface);

  const bool doubled = dpi_ > USER_DEFAULT_SCREEN_DPI;
  HBITMAP& picture = doubled ? picture2x_ : picture_;
  if (!picture) picture = LoadPictureResource(doubled ? VELMORA_FRETBOARD_2X : VELMORA_FRETBOARD);
  BITMAP size{};
  GetObjectW(picture, sizeof size, &size);
  HDC source = CreateCompatibleDC(dc);
  HGDIOBJ oldSource = SelectObject(source, picture);
  if (size.bmWidth == client.right && size.bmHeight == client.bottom) {
    BitBlt(canvas, 0, 0, client.right, client.bottom, source, 0, 0, SRCCOPY);
  } else {
    SetStretchBltMode(canvas, HALFTONE);
    StretchBlt(canvas, 0, 0, client.right, client.bottom, source, 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
  }
  SelectObject(source, oldSource);
  DeleteDC(source);

  DrawMarkers(canvas);
  BitBlt(dc, 0, 0, client.right, client.bottom, canvas, 0, 0, SRCCOPY);
  SelectObject(canvas, oldSurface);
  DeleteObject(surface);
  DeleteDC(canvas);
  EndPaint(hwnd_, &paint);
}

void FretboardPicture::DrawMarkers(HDC dc) const {
  // A marker is a one-pixel box drawn as a yellow disc centred on it, half a
  // pixel right of and below its Left and Top.
  HBRUSH yellow = CreateSolidBrush(kMarkerYellow);
  HGDIOBJ oldBrush = SelectObject(dc, yellow);
  HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
  const double halfPixel = twips::kPerPixel / 2;
  const double radius = form1_layout::kMarkerDiscRadiusPixels * dpi_ / USER_DEFAULT_SCREEN_DPI;
  const double diameter = 2 * radius;
  // S1 is drawn first, S6 last: S6 lies in front.
  for (const MarkerShape& marker : markers_) {
    if (!marker.visible) continue;
    const double x = ToDevicePixelsExact(marker.left + halfPixel - leftTwips_, dpi_);
    const double y = ToDevicePixelsExact(marker.top + halfPixel - topTwips_, dpi_);
    const int left = static_cast<int>(std::lround(x - radius));
    const int top = static_cast<int>(std::lround(y - radius));
    const int span = static_cast<int>(std::lround(diameter));
    // Ellipse leaves out the right and bottom edges when drawn with no pen.
    Ellipse(dc, left, top, left + span + 1, top + span + 1);
  }
  SelectObject(dc, oldPen);
  SelectObject(dc, oldBrush);
  DeleteObject(yellow);
}

}  // namespace velmora::win32
