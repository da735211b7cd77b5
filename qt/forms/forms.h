#pragma once

#include <QPointer>
#include <memory>

#include "forms/form1.h"
#include "forms/form2.h"

namespace velmora {

// The program's two windows, each reached by its name and existing at most
// once. Using a window that is not loaded loads it: its layout is created
// hidden, then its Form_Load runs.
class Forms {
 public:
  Forms();
  ~Forms();

  Form1& form1();
  Form2& form2();
  // The About window while it is loaded, else nullptr.
  Form2* LoadedForm2() const { return form2_; }

  // Start-up: loads the chart window and shows it centred on the screen.
  void Start();
  // Unloads the About window: runs its Form_Unload, then destroys it.
  void Unload(Form2& form);
  // Called by the About window once its unload has run.
  void Unloaded(Form2& form);

 private:
  std::unique_ptr<Form1> form1_;
  QPointer<Form2> form2_;
};

}  // namespace velmora
