#pragma once

#include <array>
#include <string>
#include <vector>

#include "chart_view.h"
#include "chord_vocabulary.h"

namespace velmora {

// A chart view that holds the lists' selection, applies every operation to
// its markers and label, and logs each call in order.
class RecordingView : public ChartView {
 public:
  struct Marker {
    bool visible = true;
    float left = 210.0F;
  };

  void Select(int root, int type) {
    root_ = root;
    type_ = type;
  }

  std::string RootListText() const override {
    log_.push_back("root text");
    return root_ < 0 ? std::string() : std::string(kRootTexts[static_cast<std::size_t>(root_)]);
  }
  std::string TypeListText() const override {
    log_.push_back("type text");
    return type_ < 0 ? std::string() : std::string(kTypeTexts[static_cast<std::size_t>(type_)]);
  }
  std::int16_t RootListIndex() const override {
    log_.push_back("root index");
    return static_cast<std::int16_t>(root_);
  }
  std::int16_t TypeListIndex() const override {
    log_.push_back("type index");
    return static_cast<std::int16_t>(type_);
  }
  void SetChordCaption(const std::string& text) override {
    log_.push_back("caption " + text);
    caption = text;
  }
  void SetMarkerVisible(int string, bool visible) override {
    log_.push_back("visible S" + std::to_string(string) + (visible ? " on" : " off"));
    markers[static_cast<std::size_t>(string - 1)].visible = visible;
  }
  void SetMarkerLeft(int string, float left) override {
    log_.push_back("left S" + std::to_string(string) + " " + std::to_string(static_cast<int>(left)));
    markers[static_cast<std::size_t>(string - 1)].left = left;
  }

  // The calls logged since the last TakeLog.
  std::vector<std::string> TakeLog() { return std::exchange(log_, {}); }

  std::string caption = "Label1";
  std::array<Marker, kStringCount> markers{};

 private:
  int root_ = -1;
  int type_ = -1;
  mutable std::vector<std::string> log_;
};

}  // namespace velmora
