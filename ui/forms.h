#pragma once

#include <memory>

#include "form1.h"

namespace velmora {

// The program's windows, each reached by its name and existing at most once.
class Forms {
 public:
  Forms();
  ~Forms();

  // The chart window: loads it (layout created hidden, then Form_Load) on
  // first use.
  Form1& form1();

  // Start-up: loads the chart window and shows it centred on the screen.
  void Start();

 private:
  std::unique_ptr<Form1> form1_;
};

}  // namespace velmora
