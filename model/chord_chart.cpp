#include "chord_chart.h"

#include <cstddef>

#include "chord_table.h"

namespace velmora {

void ChordChart::FillFretTable() {
  for (std::size_t fret = 0; fret < FretTable.size(); ++fret) {
    FretTable[fret] = kFretPositions[fret];
  }
}

void ChordChart::UpdateChordDisplay() {
  const std::string rootText = view_.RootListText();
  const std::string typeText = view_.TypeListText();
  view_.SetChordCaption(ChordName(rootText, typeText));

  const int rootIndex = view_.RootListIndex();
  const int typeIndex = view_.TypeListIndex();
  SelectionKey = MakeSelectionKey(rootIndex, typeIndex);

  if (const ChordShape* shape = ChordTable::Find(SelectionKey)) {
    for (int string = 1; string <= kStringCount; ++string) {
      const int fret = shape->IsMuted(string) ? 0 : shape->Fret(string);
      StringLeft[static_cast<std::size_t>(string - 1)] = FretTable[static_cast<std::size_t>(fret)];
    }
    for (int string = 1; string <= kStringCount; ++string) {
      view_.SetMarkerVisible(string, !shape->IsMuted(string));
    }
  }

  for (int string = 1; string <= kStringCount; ++string) {
    view_.SetMarkerLeft(string, StringLeft[static_cast<std::size_t>(string - 1)]);
  }
}

}  // namespace velmora
