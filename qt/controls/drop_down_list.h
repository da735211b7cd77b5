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

  // What a screen reader calls the list, whichever item it shows.
  void SetSpokenName(const QString& name);
  // Gives an item a text to be spoken in place of the one shown, for an item
  // whose shown text says nothing aloud.
  void SetSpokenItemText(int index, const QString& text);
  // The selected item as a screen reader speaks it, empty while nothing is
  // selected.
  QString SpokenText() const;
  // The description a screen reader gets with the selected item, whichever
  // it is (what the pick has led to); the other items have none.
  void SetSpokenItemDescription(const QString& description);
  const QString& SpokenItemDescription() const { return itemDescription_; }

 signals:
  void Click();

 protected:
  // A pick made on the closed list, by a key or the wheel, is handed to a
  // screen reader as the focus coming to the new item.
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  void AnnounceSpokenText();
  void KeepItemViewOnSelection();
  // Puts the closed list's item view on the selected item; whether it moved.
  bool FollowSelection(QAbstractItemView& items) const;
  void PresentPickedItem(int previousIndex);

  QString spoken_;
  QString itemDescription_;
  bool handlingKeyOrWheel_ = false;
};

}  // namespace velmora
