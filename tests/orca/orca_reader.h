#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "speech_transcript.h"

namespace velmora {

class XDesktop;

// Orca, the desktop's screen reader, run on a test desktop as a blind user
// runs it: with a home and runtime folder of its own, speaking through
// speech-dispatcher and espeak-ng into libao's null driver (no sound card is
// needed), and logging everything, speech included, to a debug file.
//
// Orca's debug file is written in blocks and is complete only once Orca has
// exited: it is read at the end. While Orca runs, what it has said so far is
// read from speech-dispatcher's protocol log, written as each message comes.
// Orca's files, kept when a test fails, also hold the accessibility bus's
// registrations and its window and focus events.
class OrcaReader {
 public:
  // Starts Orca on the desktop and waits until it says it is on.
  explicit OrcaReader(const XDesktop& desktop);
  // Ends Orca if Stop has not, and removes its folder unless told to keep it.
  ~OrcaReader();
  OrcaReader(const OrcaReader&) = delete;
  OrcaReader& operator=(const OrcaReader&) = delete;

  // A mark for WaitToSay: how far speech-dispatcher's log has come.
  std::size_t Said() const;
  // Waits until Orca has said something that contains `text` since the mark;
  // whether it did before the time was up.
  bool WaitToSay(const std::string& text, std::size_t since, std::chrono::milliseconds timeout) const;
  // What Orca has said since the mark, for a failure's message.
  std::vector<std::string> SaidSince(std::size_t since) const;

  // Ends Orca as a user does and returns all it said, from its debug file.
  std::vector<Utterance> Stop();

  // Where Orca's files are; kept after the test when asked, for a failure.
  const std::string& Folder() const { return folder_; }
  void KeepFolder() { keep_ = true; }

 private:
  std::string ProtocolLog() const;
  // Ends Orca, within `wait` of asking it to; whether it ended when asked.
  bool End(std::chrono::seconds wait);

  std::string folder_;
  std::int64_t started_ = 0;
  pid_t orca_ = -1;
  pid_t monitor_ = -1;
  bool keep_ = false;
};

}  // namespace velmora
