#pragma once

#include <string>

struct xcb_connection_t;

namespace velmora {

// The display the program is about to start on, checked before the toolkit
// starts, which aborts where it cannot open it.
//
// Where the user has not chosen a platform (QT_QPA_PLATFORM unset) and both
// a Wayland display and an X display are set, as in a Wayland session with
// XWayland, the check chooses X11 where its display opens, since a Wayland
// client cannot place its own windows and the About window could not take
// the chart's place, and Wayland where it does not.
//
// Where the toolkit will open an X display, the check opens it and keeps that
// connection for as long as it lives: an X server whose last client leaves
// resets itself, and a connection made during the reset is refused. So the
// check is to outlive the toolkit's own connection, made when the
// application object is created.
class DisplayCheck {
 public:
  DisplayCheck();
  ~DisplayCheck();
  DisplayCheck(const DisplayCheck&) = delete;
  DisplayCheck& operator=(const DisplayCheck&) = delete;

  // What keeps the program from reaching a display, as one line for the
  // user, or empty when nothing does as far as can be told before the
  // toolkit starts. Only where a display variable means something;
  // elsewhere always empty.
  const std::string& Problem() const { return problem_; }

 private:
  // Opens the X display, keeping the connection; whether it opened.
  bool OpenX(const char* display);

  xcb_connection_t* connection_ = nullptr;
  std::string problem_;
};

}  // namespace velmora
