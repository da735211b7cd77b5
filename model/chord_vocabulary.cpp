#include "chord_vocabulary.h"

namespace velmora {

std::string MakeSelectionKey(int rootIndex, int typeIndex) {
  std::string key = std::to_string(rootIndex);
  key += ' ';
  key += std::to_string(typeIndex);
  return key;
}

std::string ChordName(std::string_view rootText, std::string_view typeText) {
  std::string name(rootText);
  name += typeText;
  return name;
}

}  // namespace velmora
