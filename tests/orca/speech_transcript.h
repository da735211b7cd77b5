#pragma once

#include <chrono>
#include <cstdint>
#include <istream>
#include <string>
#include <vector>

namespace velmora {

// One thing a screen reader said, and when.
struct Utterance {
  std::int64_t micros = 0;  // since the epoch
  std::string text;
};

// A moment in microseconds since the epoch.
std::int64_t Micros(std::chrono::system_clock::time_point moment);

// What Orca said, from its debug file: the text of each "SPEECH OUTPUT"
// line, in order, with the moment of the line's time stamp. Orca stamps its
// lines with the time of day only, UTC when it runs with TZ=UTC; `start`, a
// moment before Orca started, tells the day (and the next, past midnight).
std::vector<Utterance> SpeechFromDebugLog(std::istream& log, std::int64_t start);

// What a client asked speech-dispatcher to say, from its protocol log: the
// text of each SSML message, its marks dropped and its entities read.
std::vector<std::string> SpeechFromProtocolLog(const std::string& log);

// The utterances said after each of a series of moments and before the next:
// entry 0 holds those said before the first moment.
std::vector<std::vector<std::string>> SplitAtMoments(const std::vector<Utterance>& utterances,
                                                     const std::vector<std::int64_t>& moments);

// An utterance as it reads, without the full stop and blanks Orca may end it
// with ("A." and "A#" are the items "A" and "A#").
std::string Plain(const std::string& utterance);

}  // namespace velmora
