#include "forms/form1_chart_view.h"

#include "accessibility/fingering_description.h"
#include "controls/layout_text.h"
#include "forms/form1.h"
#include "layout/spoken_chord.h"

namespace velmora {

std::string Form1ChartView::RootListText() const { return ToStdString(form_.Combo1->Text()); }
std::string Form1ChartView::TypeListText() const { return ToStdString(form_.Combo2->Text()); }
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
  // announced once, when the markers are settled.
  if (string == kStringCount) AnnounceChord();
}

void Form1ChartView::AnnounceChord() {
  // A screen reader learns the chord shown from the label's name, the
  // fingering from the label's and the fretboard's descriptions, and both
  // from the description of whichever list has the focus. Each setter that
  // changes something raises its change event for the reader.
  const QString chord = form_.Label1->text();
  const QString fingering = FingeringDescription(form_.Chart().FretTable, form_.S);
  form_.Label1->setAccessibleName(chord);
  form_.Label1->setAccessibleDescription(fingering);
  form_.Image1->setAccessibleDescription(fingering);
  const QString summary = QString::fromStdU16String(
      spoken_chord::Summary(chord.toStdU16String(), ToStdString(fingering)));
  form_.Combo1->setAccessibleDescription(summary);
  form_.Combo2->setAccessibleDescription(summary);
  // The item a pick leads to carries the same words, for a reader that
  // follows the focus to it.
  form_.Combo1->SetSpokenItemDescription(summary);
  form_.Combo2->SetSpokenItemDescription(summary);
}

}  // namespace velmora
