#pragma once

#include <windows.h>

#include "accessibility/accessible_window.h"
#include "chord_chart.h"
#include "controls/drop_down_list.h"
#include "controls/form_window.h"
#include "controls/fretboard_picture.h"
#include "forms/form1_chart_view.h"

namespace velmora::win32 {

class Forms;

// The chord chart window. Its controls keep the short names of its layout.
class Form1 : public FormWindow {
 public:
  // Creates the window and its controls from the layout, hidden.
  explicit Form1(Forms& forms);

  // The load sequence: fills the fret table, then selects root A and the
  // major type, each selection updating the chart at once.
  void Form_Load();

  const ChordChart& Chart() const { return chart_; }

  FretboardPicture Image1;
  HWND Label1;
  DropDownList Combo1;
  DropDownList Combo2;
  HWND Command1;

  // What a screen reader is told of the controls whose texts follow the
  // chord shown.
  struct {
    AccessibleWindow* Combo1;
    AccessibleWindow* Combo2;
    AccessibleWindow* Label1;
    AccessibleWindow* Image1;
  } Spoken{};

 private:
  void Combo1_Click();
  void Combo2_Click();
  void Command1_Click();

  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void Destroyed() override;
  void DpiChanged() override;

  Forms& forms_;
  Form1ChartView view_{*this};
  ChordChart chart_{view_};
};

}  // namespace velmora::win32
