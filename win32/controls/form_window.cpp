#include "controls/form_window.h"

#include <commctrl.h>

#include "accessibility/focus_announcement.h"
#include "controls/form_font.h"
#include "controls/wide_text.h"
#include "placement/dpi_twips.h"
#include "placement/window_position.h"

namespace velmora::win32 {
namespace {

constexpr DWORD kExStyle = 0;

DWORD FormStyle(bool minimizeBox) {
  // Fixed single: caption, system menu, a border that cannot be dragged.
  return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN | (minimizeBox ? WS_MINIMIZEBOX : 0);
}

void RegisterFormClass(const wchar_t* className) {
  WNDCLASSEXW existing{sizeof existing};
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  if (GetClassInfoExW(instance, className, &existing)) return;
  WNDCLASSEXW wc{sizeof wc};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = className;
  RegisterClassExW(&wc);
}

}  // namespace

FormWindow::FormWindow(const Style& style, const DpiFunctions& dpiFunctions)
    : dpiFunctions_(dpiFunctions),
      clientWidthTwips_(style.clientWidthTwips), clientHeightTwips_(style.clientHeightTwips), iconId_(style.iconId) {
  RegisterFormClass(style.className);
  hwnd_ = CreateWindowExW(kExStyle, style.className, Wide(style.caption).c_str(), FormStyle(style.minimizeBox),
                          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                          GetModuleHandleW(nullptr), nullptr);
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FormWindow::WindowProc));
  ApplyDpi(WindowDpi(dpiFunctions_, hwnd_));
}

FormWindow::~FormWindow() {
  if (hwnd_) DestroyWindow(hwnd_);
  for (const Font& font : fonts_) DeleteObject(font.handle);
  if (bigIcon_) DestroyIcon(bigIcon_);
  if (smallIcon_) DestroyIcon(smallIcon_);
}

float FormWindow::Left() const { return WindowLeft(hwnd_, DesktopDpi(dpiFunctions_)); }

float FormWindow::Top() const { return WindowTop(hwnd_, DesktopDpi(dpiFunctions_)); }

void FormWindow::Move(float left, float top) { SetWindowCorner(hwnd_, left, top, DesktopDpi(dpiFunctions_)); }

HWND FormWindow::AddControl(const wchar_t* className, DWORD style, int id, std::u16string_view text,
                            const twips::Rect& box, double pointSize, bool bold) {
  return AddChild(className, style, id, text, box, pointSize, bold, 0);
}

HWND FormWindow::AddDropDownList(int id, const twips::Rect& box, int rows) {
  return AddChild(WC_COMBOBOXW, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, id, u"", box, kDefaultPointSize, false,
                  rows);
}

HWND FormWindow::AddChild(const wchar_t* className, DWORD style, int id, std::u16string_view text,
                          const twips::Rect& box, double pointSize, bool bold, int dropDownRows) {
  HWND control = CreateWindowExW(0, className, Wide(text).c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, hwnd_,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                                 nullptr);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(pointSize, bold)), FALSE);
  children_.push_back({control, box, pointSize, bold, true, dropDownRows});
  Place(children_.back());
  return control;
}

HWND FormWindow::AddCustomControl(HWND control, const twips::Rect& box) {
  children_.push_back({control, box, 0, false, false, 0});
  Place(children_.back());
  return control;
}

HFONT FormWindow::FontFor(double pointSize, bool bold) {
  for (const Font& font : fonts_) {
    if (font.pointSize == pointSize && font.bold == bold) return font.handle;
  }
  fonts_.push_back({pointSize, bold, CreateFormFont(pointSize, bold, dpi_)});
  return fonts_.back().handle;
}

void FormWindow::Place(const Child& child) {
  const RECT r = ToDeviceRect(child.box, dpi_);
  const int height = r.bottom - r.top;
  if (child.dropDownRows == 0) {
    MoveWindow(child.hwnd, r.left, r.top, r.right - r.left, height, TRUE);
    return;
  }
  // A drop-down list's window is as high as its closed box, which its
  // selection field's height decides; the height it is given is that of
  // the box and the opened list together.
  const auto itemHeight = static_cast<int>(SendMessageW(child.hwnd, CB_GETITEMHEIGHT, 0, 0));
  MoveWindow(child.hwnd, r.left, r.top, r.right - r.left, height + child.dropDownRows * itemHeight + 2, TRUE);
  RECT closed{};
  GetWindowRect(child.hwnd, &closed);
  const auto field = static_cast<int>(SendMessageW(child.hwnd, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
  const int wanted = field + height - (closed.bottom - closed.top);
  if (wanted > 0 && wanted != field) SendMessageW(child.hwnd, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), wanted);
}

void FormWindow::ApplyDpi(UINT dpi) {
  dpi_ = dpi;
  const RECT client{0, 0, ToDevicePixels(clientWidthTwips_, dpi), ToDevicePixels(clientHeightTwips_, dpi)};
  const RECT outer =
      OuterForClient(dpiFunctions_, client, static_cast<DWORD>(GetWindowLongW(hwnd_, GWL_STYLE)), kExStyle, dpi);
  // Only the size changes: the corner stays where the program or the user
  // put it, so that a position handed over from the other window holds.
  SetWindowPos(hwnd_, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  // The fonts at the old density go once every control has its new one.
  std::vector<Font> old;
  old.swap(fonts_);
  for (const Child& child : children_) {
    if (child.hasFont) {
      SendMessageW(child.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(child.pointSize, child.bold)), TRUE);
    }
    Place(child);
  }
  for (const Font& font : old) DeleteObject(font.handle);
  SetIcons();
}

void FormWindow::SetIcons() {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  HICON big = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(iconId_), IMAGE_ICON,
                                            SystemMetric(dpiFunctions_, SM_CXICON, dpi_),
                                            SystemMetric(dpiFunctions_, SM_CYICON, dpi_), LR_DEFAULTCOLOR));
  HICON small = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(iconId_), IMAGE_ICON,
                                              SystemMetric(dpiFunctions_, SM_CXSMICON, dpi_),
                                              SystemMetric(dpiFunctions_, SM_CYSMICON, dpi_), LR_DEFAULTCOLOR));
  SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
  SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
  if (bigIcon_) DestroyIcon(bigIcon_);
  if (smallIcon_) DestroyIcon(smallIcon_);
  bigIcon_ = big;
  smallIcon_ = small;
}

bool FormWindow::HandleMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

LRESULT CALLBACK FormWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* form = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!form) return DefWindowProcW(hwnd, message, wParam, lParam);
  return form->Dispatch(message, wParam, lParam);
}

LRESULT FormWindow::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (HandleMessage(message, wParam, lParam, result)) return result;
  switch (message) {
    case WM_CTLCOLORSTATIC: {
      // Labels are opaque, in the button face's colours.
      HDC dc = reinterpret_cast<HDC>(wParam);
      SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
      SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_ACTIVATE:
      // The keyboard goes back to the control that last had it.
      if (LOWORD(wParam) != WA_INACTIVE && focus_ && !HIWORD(wParam)) {
        GiveFocus(focus_);
        return 0;
      }
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focused = GetFocus();
        if (focused && IsChild(hwnd_, focused)) focus_ = focused;
      }
      break;
    case WM_DPICHANGED:
      // The rectangle the system suggests would move the corner; it is
      // left aside.
      ApplyDpi(HIWORD(wParam));
      DpiChanged();
      return 0;
    case WM_NCDESTROY: {
      SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
      const LRESULT done = DefWindowProcW(hwnd_, message, wParam, lParam);
      hwnd_ = nullptr;
      Destroyed();
      return done;
    }
    default:
      break;
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

}  // namespace velmora::win32
