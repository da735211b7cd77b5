#pragma once

#include <windows.h>

#include "controls/form_window.h"

namespace velmora::win32 {

class Forms;

// The About window. Every opening loads it afresh; closing it unloads it.
class Form2 : public FormWindow {
 public:
  // Creates the window and its controls from the layout, hidden.
  explicit Form2(Forms& forms);

  // Puts the window on the chart's top-left corner.
  void Form_Load();
  // Shows the chart again where this window stands. The cancel flag is the
  // platform's; it is never set.
  void Form_Unload(bool& cancel);

  HWND Label1;
  HWND Label2;
  HWND Label3;
  HWND Command1;

 private:
  void Command1_Click();

  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  Forms& forms_;
};

}  // namespace velmora::win32
