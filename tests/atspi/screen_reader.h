#pragma once

#include <atspi/atspi.h>
#include <sys/types.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace velmora {

using Accessible = std::shared_ptr<AtspiAccessible>;

// One object as a screen reader finds it on the accessibility bus.
struct ReadObject {
  Accessible handle;
  std::string role;  // as the bus names it: "frame", "combo box", "label"
  std::string name;
  std::string description;
  bool hasText = false;
  std::string text;  // what its text interface holds, if it has one
  bool showing = false;
  bool focused = false;
  std::vector<ReadObject> children;

  // The first object, depth first from this one, with this role and name.
  const ReadObject* Find(const std::string& findRole, const std::string& findName) const;
};

// One event the reader received, with its source as read when it arrived.
struct ReadEvent {
  std::string type;  // "object:property-change:accessible-name", ...
  int detail1 = 0;
  std::string data;  // the event's text, if it carries one
  ReadObject source;  // role, name, description and text, without children
};

// A screen reader in the test: a libatspi client of the desktop's
// accessibility bus that listens for the events readers speak from.
class ScreenReader {
 public:
  // Connects to the accessibility bus named by the environment's session bus
  // and starts listening.
  ScreenReader();
  ~ScreenReader();
  ScreenReader(const ScreenReader&) = delete;
  ScreenReader& operator=(const ScreenReader&) = delete;

  // Handles what arrives on the bus until `done` holds or the time is up;
  // whether it holds.
  bool WaitFor(const std::function<bool()>& done, std::chrono::milliseconds timeout);

  // The application that the process runs, once it is on the bus, or null.
  Accessible Application(pid_t pid) const;
  // Reads an object and its descendants down to `depth` levels.
  static ReadObject Read(const Accessible& object, int depth = 100);
  // The centre of an object on the screen, as the bus reports its extents.
  static std::pair<int, int> Centre(const Accessible& object);

  const std::vector<ReadEvent>& Events() const { return events_; }
  void ClearEvents() { events_.clear(); }

 private:
  static void OnEvent(AtspiEvent* event, void* self);

  AtspiEventListener* listener_ = nullptr;
  std::vector<ReadEvent> events_;
};

}  // namespace velmora
