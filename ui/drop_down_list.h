#pragma once

#include <QComboBox>
#include <QString>
#include <QStringList>
#include <cstdint>

namespace velmora {

// A drop-down list that cannot be typed into and that raises Click both when
// the user picks an item (by mouse, keyboard or wheel, even the item already
// shown) and when the program sets its index. Nothing else raises it.
class DropDownList : public QComboBox {
  Q_OBJECT

 public:
  // Created with the items in the given order and nothing selected.
  DropDownList(const QStringList& items, QWidget* parent);

  // The selected item's index, -1 while nothing is selected.
  std::int16_t ListIndex() const { return static_cast<std::int16_t>(currentIndex()); }
  // Selects the item and raises Click, nested inside the call.
  void SetListIndex(int index);
  // The selected item's text, empty while nothing is selected.
  QString Text() const { return currentText(); }

 signals:
  void Click();
};

}  // namespace velmora
