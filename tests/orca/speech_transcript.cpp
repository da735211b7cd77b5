#include "speech_transcript.h"

#include <cstdio>
#include <regex>

namespace velmora {
namespace {

constexpr std::int64_t kDay = 24LL * 3600 * 1000000;

// "HH:MM:SS.ffffff" to microseconds since midnight, -1 if the text is not one.
std::int64_t ParseTimeOfDay(const std::string& stamp) {
  int hours = 0;
  int minutes = 0;
  int seconds = 0;
  long micros = 0;
  if (std::sscanf(stamp.c_str(), "%2d:%2d:%2d.%6ld", &hours, &minutes, &seconds, &micros) != 4) return -1;
  return ((hours * 60LL + minutes) * 60 + seconds) * 1000000 + micros;
}

std::string ReadEntities(std::string text) {
  static const std::vector<std::pair<std::string, std::string>> kEntities{
      {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
  for (const auto& [entity, character] : kEntities) {
    for (auto at = text.find(entity); at != std::string::npos; at = text.find(entity, at + character.size())) {
      text.replace(at, entity.size(), character);
    }
  }
  return text;
}

}  // namespace

std::int64_t Micros(std::chrono::system_clock::time_point moment) {
  return std::chrono::duration_cast<std::chrono::microseconds>(moment.time_since_epoch()).count();
}

std::vector<Utterance> SpeechFromDebugLog(std::istream& log, std::int64_t start) {
  // 12:34:56.789012 - SPEECH OUTPUT: 'text'{'established': False}
  // 12:34:56.789012 - SPEECH OUTPUT: 'tab ' {'established': False}
  static const std::regex kLine(R"(^(\d\d:\d\d:\d\d\.\d{6}) - SPEECH OUTPUT: '(.*?)'(?: voice=\S+)? ?\{.*$)");
  const std::int64_t startOfDay = start - start % kDay;
  std::vector<Utterance> utterances;
  std::string line;
  std::smatch match;
  while (std::getline(log, line)) {
    if (!std::regex_match(line, match, kLine)) continue;
    const std::int64_t timeOfDay = ParseTimeOfDay(match[1]);
    if (timeOfDay < 0) continue;
    std::int64_t micros = startOfDay + timeOfDay;
    if (micros < start) micros += kDay;
    utterances.push_back({micros, match[2]});
  }
  return utterances;
}

std::vector<std::string> SpeechFromProtocolLog(const std::string& log) {
  static const std::regex kSpeak("<speak>([^\\n]*?)</speak>");
  static const std::regex kTag("<[^>]*>");
  std::vector<std::string> texts;
  for (auto it = std::sregex_iterator(log.begin(), log.end(), kSpeak); it != std::sregex_iterator(); ++it) {
    texts.push_back(ReadEntities(std::regex_replace((*it)[1].str(), kTag, "")));
  }
  return texts;
}

std::vector<std::vector<std::string>> SplitAtMoments(const std::vector<Utterance>& utterances,
                                                     const std::vector<std::int64_t>& moments) {
  std::vector<std::vector<std::string>> parts(moments.size() + 1);
  std::size_t part = 0;
  for (const Utterance& utterance : utterances) {
    while (part < moments.size() && utterance.micros >= moments[part]) ++part;
    parts[part].push_back(utterance.text);
  }
  return parts;
}

std::string Plain(const std::string& utterance) {
  std::size_t end = utterance.find_last_not_of(' ');
  if (end == std::string::npos) return {};
  if (utterance[end] == '.' && end > 0) --end;
  const std::size_t begin = utterance.find_first_not_of(' ');
  return utterance.substr(begin, end - begin + 1);
}

}  // namespace velmora
