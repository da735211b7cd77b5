#include "form1_chart_view.h"

#include "fingering_description.h"
#include "form1.h"

namespace velmora {

std::string Form1ChartView::RootListText() const { return form_.Combo1->Text().toStdString(); }
std::string Form1ChartView::TypeListText() const { return form_.Combo2->Text().toStdString(); }
std::int16_t Form1ChartView::RootListIndex() const { return form_.Combo1->ListIndex(); }
std::int16_t Form1ChartView::TypeListIndex() const { return form_.Combo2->ListIndex(); }

void Form1ChartView::SetChordCaption(const std::string& caption) {
  form_.Label1->setText(QString::fromStdString(caption));
}

void Form1ChartView::SetMarkerVisible(int string, bool visible) {
  form_.Marker(string).setVisible(visible);
}

void Form1ChartView::SetMarkerLeft(int string, float leftTwips) {
  form_.Marker(string).SetLeft(leftTwips);
  // Every update ends by placing all six markers, S6 last: the fingering is
  // described once, when the markers are settled.
  if (string == kStringCount) DescribeFingering();
}

void Form1ChartView::DescribeFingering() {
  // A screen reader learns the chord from the fretboard's description.
  form_.Image1->setAccessibleDescription(FingeringDescription(form_));
}

}  // namespace velmora
