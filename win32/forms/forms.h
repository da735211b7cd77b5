#pragma once

#include <memory>

#include "placement/dpi_functions.h"

namespace velmora::win32 {

class Form1;
class Form2;

// The program's two windows, each loaded when it is first used and reached
// by its name.
class Forms {
 public:
  // `dpiFunctions`: where the windows' densities come from.
  explicit Forms(const DpiFunctions& dpiFunctions = SystemDpiFunctions());
  ~Forms();

  // Loads the window if it is not loaded: creates it from its layout,
  // hidden, then runs its Form_Load.
  Form1& form1();
  Form2& form2();

  // Runs the About window's Form_Unload, then destroys it.
  void Unload(Form2& form);

  // Loads the chart and shows it centred on the screen.
  void Start();

  const DpiFunctions& dpiFunctions() const { return dpiFunctions_; }

 private:
  const DpiFunctions& dpiFunctions_;
  std::unique_ptr<Form1> form1_;
  std::unique_ptr<Form2> form2_;
};

}  // namespace velmora::win32
