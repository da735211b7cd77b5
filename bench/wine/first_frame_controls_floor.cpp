// The fair floor of Velmora.exe's start-up: a Windows-API program that puts
// up the chart's standard controls, and nothing of the chart's own, in a
// window of its size under the same manifest: two drop-down lists of 12
// and 19 items, a label, a button and a 500 x 93 picture, in the form font.
// It ends once its first frame has been painted.
#include <windows.h>

#include <commctrl.h>

#include "first_frame_painted.h"
#include "floor_window.h"

namespace {

HWND Child(HWND parent, const wchar_t* className, DWORD style, const wchar_t* text, RECT box, HFONT font) {
  HWND child = CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, box.left, box.top,
                               box.right - box.left, box.bottom - box.top, parent, nullptr, GetModuleHandleW(nullptr),
                               nullptr);
  SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return child;
}

void Fill(HWND list, int items) {
  wchar_t text[4] = {L'A', 0, 0, 0};
  for (int item = 0; item < items; ++item) {
    text[1] = static_cast<wchar_t>(L'a' + item);
    SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
  }
  SendMessageW(list, CB_SETCURSEL, 0, 0);
}

// A 500 x 93 true-colour picture, the fretboard's size, in the wood's colour.
HBITMAP Picture() {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof info.bmiHeader, 500, -93, 1, 32, BI_RGB};
  void* bits = nullptr;
  HBITMAP picture = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  auto* pixels = static_cast<DWORD*>(bits);
  for (int i = 0; i < 500 * 93; ++i) pixels[i] = 0x462d25;
  return picture;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  HWND window = velmora::bench::CreateFloorWindow(
      instance, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN);
  HFONT font = CreateFontW(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, RUSSIAN_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"MS Sans Serif");
  Fill(Child(window, WC_COMBOBOXW, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, L"", {7, 7, 78, 250}, font), 12);
  Fill(Child(window, WC_COMBOBOXW, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, L"", {84, 7, 155, 250}, font), 19);
  Child(window, WC_STATICW, SS_LEFT, L"Am7", {168, 7, 239, 29}, font);
  Child(window, WC_BUTTONW, BS_PUSHBUTTON | WS_TABSTOP, L"About", {245, 7, 491, 29}, font);
  HWND picture = Child(window, WC_STATICW, SS_BITMAP, L"", {0, 42, 500, 135}, font);
  SendMessageW(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(Picture()));
  ShowWindow(window, SW_SHOW);
  return velmora::bench::RunUntilPainted(window);
}
