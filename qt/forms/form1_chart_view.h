#pragma once

#include "chart_view.h"

namespace velmora {

class Form1;

// The chord model's view of the chart window: its two lists, its chord-name
// label and its six markers.
class Form1ChartView : public ChartView {
 public:
  explicit Form1ChartView(Form1& form) : form_(form) {}

  std::string RootListText() const override;
  std::string TypeListText() const override;
  std::int16_t RootListIndex() const override;
  std::int16_t TypeListIndex() const override;
  void SetChordCaption(const std::string& caption) override;
  void SetMarkerVisible(int string, bool visible) override;
  void SetMarkerLeft(int string, float leftTwips) override;

 private:
  void AnnounceChord();

  Form1& form_;
};

}  // namespace velmora
