#pragma once

#include <QLabel>
#include <QPushButton>
#include <QWidget>

namespace velmora {

class Forms;

// The About window. It opens where the chart stood and, when it is unloaded
// by OK or by its title bar, gives the chart back at its own last position.
class Form2 : public QWidget {
 public:
  // Creates the window and its controls from the layout, hidden.
  explicit Form2(Forms& forms);

  // Puts the window on the chart's outer top-left corner.
  void Form_Load();

  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QPushButton* Command1;

 protected:
  // Closing the window unloads it: Form_Unload runs, then the window is
  // destroyed.
  void closeEvent(QCloseEvent* event) override;

 private:
  void Command1_Click();
  void Form_Unload(bool& cancel);

  Forms& forms_;
};

}  // namespace velmora
