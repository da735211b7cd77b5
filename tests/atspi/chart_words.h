#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "chord_table.h"
#include "chord_vocabulary.h"

namespace velmora {

// The words a screen reader gets from the chart and the About window.
inline const std::string kChartTitle = "Аккорды";
inline const std::string kAboutTitle = "О программе \"Velmora\" ...";
inline const std::string kRootList = "Основной тон";
inline const std::string kTypeList = "Тип аккорда";
// The major type's item shows nothing; it is spoken as this word.
inline const std::string kMajor = "мажор";

// The fingering of a chord from the chord table, as a guitarist reads a
// diagram: string 6 first, "x" for a muted string. The type is given as
// spoken (kMajor for the major type).
inline std::string TableFingering(const std::string& root, const std::string& type) {
  const auto rootAt = std::find(kRootTexts.begin(), kRootTexts.end(), root);
  const auto typeAt = std::find(kTypeTexts.begin(), kTypeTexts.end(), type == kMajor ? "" : type);
  const ChordShape* shape =
      ChordTable::Find(static_cast<int>(rootAt - kRootTexts.begin()), static_cast<int>(typeAt - kTypeTexts.begin()));
  if (shape == nullptr) return "<no chord " + root + " " + type + ">";
  std::string fingering;
  for (int string = kStringCount; string >= 1; --string) {
    if (!fingering.empty()) fingering += ' ';
    fingering += shape->IsMuted(string) ? "x" : std::to_string(shape->Fret(string));
  }
  return fingering;
}

// What the lists tell a reader of a chord: its name and its fingering. The
// type is given as spoken.
inline std::string ChordSummary(const std::string& root, const std::string& type) {
  return "Аккорд " + root + (type == kMajor ? "" : type) + ": " + TableFingering(root, type);
}

// What a reader said, a quoted line each, for a failure's message.
inline std::string Quoted(const std::vector<std::string>& said) {
  std::string text;
  for (const std::string& s : said) text += "\n    '" + s + "'";
  return text;
}

}  // namespace velmora
