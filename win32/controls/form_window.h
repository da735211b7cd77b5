#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

#include "layout/twips_rect.h"
#include "placement/dpi_functions.h"

namespace velmora::win32 {

// A form: a top-level window with a fixed single border, a client area given
// in twips, a button-face background and child controls laid out in twips.
// It is created hidden. Its size and controls follow the dots per inch of
// the screen it stands on; its Left and Top are positions on the desktop.
class FormWindow {
 public:
  struct Style {
    const wchar_t* className;
    std::u16string_view caption;
    int iconId;
    bool minimizeBox;
    int clientWidthTwips;
    int clientHeightTwips;
  };

  FormWindow(const Style& style, const DpiFunctions& dpiFunctions);
  virtual ~FormWindow();
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;

  HWND Handle() const { return hwnd_; }
  UINT Dpi() const { return dpi_; }

  // Left and Top: the outer top-left corner on the screen, in twips. Move
  // sets both at once.
  float Left() const;
  float Top() const;
  void Move(float left, float top);

  // The form font's size where the layout sets none of its own.
  static constexpr double kDefaultPointSize = 8.25;

  // A child control at its layout box, in the form font at `pointSize`.
  HWND AddControl(const wchar_t* className, DWORD style, int id, std::u16string_view text,
                  const twips::Rect& box, double pointSize = kDefaultPointSize, bool bold = false);
  // A drop-down list whose closed box is `box` and whose opened list shows
  // `rows` items.
  HWND AddDropDownList(int id, const twips::Rect& box, int rows);
  // A control of the form's own class, laid out like the others.
  HWND AddCustomControl(HWND control, const twips::Rect& box);

  // The control that gets the keyboard when the form is activated.
  void SetFocusControl(HWND control) { focus_ = control; }

 protected:
  // Messages the form handles itself; the rest go to DefWindowProc.
  virtual bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // The top-level window is being destroyed.
  virtual void Destroyed() {}
  // The form has been laid out anew at another density.
  virtual void DpiChanged() {}

 private:
  struct Child {
    HWND hwnd;
    twips::Rect box;
    double pointSize;
    bool bold;
    bool hasFont;
    int dropDownRows;
  };
  // One font of the form at a size and weight, shared by the controls that
  // show it.
  struct Font {
    double pointSize;
    bool bold;
    HFONT handle;
  };

  // A child control in the form font, placed at its layout box; a drop-down
  // list where `dropDownRows` is not 0.
  HWND AddChild(const wchar_t* className, DWORD style, int id, std::u16string_view text, const twips::Rect& box,
                double pointSize, bool bold, int dropDownRows);
  void Place(const Child& child);
  // The form's font at this size and weight and its dots per inch.
  HFONT FontFor(double pointSize, bool bold);

  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
  // Sizes the window for its client area and lays its controls out anew at
  // `dpi`, keeping the outer top-left corner where it was put.
  void ApplyDpi(UINT dpi);
  void SetIcons();

  const DpiFunctions& dpiFunctions_;
  HWND hwnd_ = nullptr;
  UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
  int clientWidthTwips_;
  int clientHeightTwips_;
  int iconId_;
  HICON bigIcon_ = nullptr;
  HICON smallIcon_ = nullptr;
  HWND focus_ = nullptr;
  std::vector<Child> children_;
  std::vector<Font> fonts_;
};

}  // namespace velmora::win32
