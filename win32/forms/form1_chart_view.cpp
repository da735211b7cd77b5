#include "forms/form1_chart_view.h"

#include "controls/wide_text.h"
#include "forms/form1.h"
#include "layout/form1_layout.h"
#include "layout/spoken_chord.h"

namespace velmora::win32 {
namespace {

// An item as a reader says it: the major type's item, which shows nothing,
// is «мажор».
std::wstring SpokenItem(const std::string& item) {
  return item.empty() ? Wide(form1_layout::kMajorSpokenText) : WideFromAscii(item);
}

}  // namespace

std::string Form1ChartView::RootListText() const { return form_.Combo1.Text(); }
std::string Form1ChartView::TypeListText() const { return form_.Combo2.Text(); }
std::int16_t Form1ChartView::RootListIndex() const { return form_.Combo1.ListIndex(); }
std::int16_t Form1ChartView::TypeListIndex() const { return form_.Combo2.ListIndex(); }

void Form1ChartView::SetChordCaption(const std::string& caption) {
  SetWindowTextW(form_.Label1, WideFromAscii(caption).c_str());
}

void Form1ChartView::SetMarkerVisible(int string, bool visible) { form_.Image1.SetMarkerVisible(string, visible); }

void Form1ChartView::SetMarkerLeft(int string, float leftTwips) {
  form_.Image1.SetMarkerLeft(string, leftTwips);
  // Every update ends by placing all six markers, S6 last: the fingering is
  // announced once, when the markers are settled.
  if (string == kStringCount) AnnounceChord();
}

void Form1ChartView::AnnounceChord() {
  // A screen reader reads the chord from the label's name, the fingering
  // from the label's and the fretboard's descriptions, and both from the
  // description of either list, whose value is the item it shows.
  std::array<float, kStringCount> lefts{};
  std::array<bool, kStringCount> shown{};
  for (int string = 1; string <= kStringCount; ++string) {
    const MarkerShape& marker = form_.Image1.Marker(string);
    lefts[static_cast<std::size_t>(string - 1)] = marker.left;
    shown[static_cast<std::size_t>(string - 1)] = marker.visible;
  }
  const std::string fingering = spoken_chord::Fingering(form_.Chart().FretTable, lefts, shown);
  const int length = GetWindowTextLengthW(form_.Label1);
  std::wstring chord(static_cast<std::size_t>(length) + 1, L'\0');
  GetWindowTextW(form_.Label1, chord.data(), length + 1);
  chord.resize(static_cast<std::size_t>(length));
  const std::u16string summary = spoken_chord::Summary(std::u16string(chord.begin(), chord.end()), fingering);

  // The item picked first, then the chord it leads to, each change
  // announced once.
  const auto& spoken = form_.Spoken;
  spoken.Combo1->SetValue(SpokenItem(RootListText()));
  spoken.Combo2->SetValue(SpokenItem(TypeListText()));
  spoken.Label1->SetName(chord);
  spoken.Label1->SetDescription(WideFromAscii(fingering));
  spoken.Image1->SetDescription(WideFromAscii(fingering));
  spoken.Combo1->SetDescription(Wide(summary));
  spoken.Combo2->SetDescription(Wide(summary));
}

}  // namespace velmora::win32
