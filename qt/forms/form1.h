#pragma once

#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <array>

#include "chord_chart.h"
#include "controls/drop_down_list.h"
#include "controls/marker_shape.h"
#include "controls/picture_box.h"
#include "forms/form1_chart_view.h"

namespace velmora {

class Forms;

// The chord chart window. Its controls keep the short names of its layout.
class Form1 : public QWidget {
 public:
  // Creates the window and its controls from the layout, hidden.
  explicit Form1(Forms& forms);

  // The load sequence: fills the fret table, then selects root A and the
  // major type, each selection updating the chart at once.
  void Form_Load();

  // Marker of string 1 (S1, top row) to 6 (S6, bottom row).
  MarkerShape& Marker(int string) const { return *S[static_cast<std::size_t>(string - 1)]; }
  const ChordChart& Chart() const { return chart_; }

  PictureBox* Image1;
  QLabel* Label1;
  std::array<MarkerShape*, kStringCount> S{};
  DropDownList* Combo1;
  DropDownList* Combo2;
  QPushButton* Command1;

 private:
  void Combo1_Click();
  void Combo2_Click();
  void Command1_Click();

  Forms& forms_;

  Form1ChartView view_{*this};
  ChordChart chart_{view_};
};

}  // namespace velmora
