#pragma once

#include <xcb/xcb.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace velmora {

struct ScreenPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

// Where a shown top-level window stands, in device pixels of the screen.
struct WindowCorners {
  // The outer top-left corner of the window manager's frame: the client
  // area's origin less the frame extents the manager publishes, or the
  // frame window's own corner where it publishes none.
  ScreenPoint frame;
  // The top-left corner of the window's own client area.
  ScreenPoint client;
};

// One place at which a window was seen on the screen: shown there (it and
// its frame mapped), or moved there while shown.
struct ShownPlace {
  std::string event;  // "map" or "move"
  ScreenPoint at;     // the frame window's own corner
};

// A test's own connection to an X server, to read windows as the server
// and the window manager have them, whatever the toolkit believes.
class XWindows {
 public:
  explicit XWindows(const std::string& display);
  ~XWindows();
  XWindows(const XWindows&) = delete;
  XWindows& operator=(const XWindows&) = delete;

  // The window's corners, read while the server is held for this client
  // alone, so that the manager cannot move or reframe the window between
  // two requests. Nothing while the window is not mapped and framed, or
  // has gone: a window that is being taken down and put up again has not
  // settled yet.
  std::optional<WindowCorners> Corners(xcb_window_t window);

  // The managed top-level windows (the manager's _NET_CLIENT_LIST) whose
  // title (_NET_WM_NAME) is `title`, in UTF-8.
  std::vector<xcb_window_t> ClientsTitled(const std::string& title);

  // Waits, up to `timeout`, until the manager lists one window titled
  // `title` and shows it framed: that window, or none.
  xcb_window_t WaitForClientTitled(const std::string& title, std::chrono::milliseconds timeout);

  // Waits, up to `timeout`, until the child of `parent` titled `title`
  // (_NET_WM_NAME) is shown at `at` inside it, as the server has it;
  // whether it came to be.
  bool WaitForChildAt(xcb_window_t parent, const std::string& title, ScreenPoint at,
                      std::chrono::milliseconds timeout);

  // The size of the window's client area, in device pixels; nothing while it
  // has gone.
  std::optional<ScreenPoint> Size(xcb_window_t window);

  // What the window shows in the rectangle at (x, y) of its client area,
  // row by row, as 0xRRGGBB pixels; empty while it is not viewable.
  std::vector<std::uint32_t> Pixels(xcb_window_t window, int x, int y, int width, int height);

  // What the server says of the window, in words, for a failure's message.
  std::string Describe(xcb_window_t window);

  // Whether the window, or a window inside it, has the X input focus.
  bool HoldsInputFocus(xcb_window_t window);
  // Waits, up to `timeout`, until it has; whether it came to.
  bool WaitForInputFocus(xcb_window_t window, std::chrono::milliseconds timeout);

  // Pings the window's program (_NET_WM_PING) and waits, up to `timeout`,
  // for its answer: a program that has answered has handled every event the
  // server sent it before, the focus it was given among them. Whether it
  // answered.
  bool Ping(xcb_window_t window, std::chrono::milliseconds timeout);

  // Waits, up to `timeout`, until the root window names an EWMH window
  // manager (_NET_SUPPORTING_WM_CHECK) and the manager frames a window it
  // is given; `alive` is asked between events and ends the wait when it
  // says no. Whether the manager is ready.
  bool WaitForWindowManager(std::chrono::milliseconds timeout, const std::function<bool()>& alive);

  // Starts recording where the window is shown: every time it and its
  // frame (or the window alone, where no manager frames it) come to be
  // mapped, and every move of the frame while they are, from the server's
  // own events.
  void WatchFrame(xcb_window_t window);
  // The places recorded since WatchFrame, having read every event the
  // server has sent so far.
  const std::vector<ShownPlace>& ShownPlaces();

 private:
  xcb_atom_t Atom(const char* name);
  // The window's _NET_WM_NAME, in UTF-8; empty if it has none.
  std::string Title(xcb_window_t window);
  // Asks `holds` until it says yes, for up to `timeout`; what it said last.
  bool WaitUntil(std::chrono::milliseconds timeout, const std::function<bool()>& holds);
  // Reads events, each one recorded as ReadEvents does, until `awaited`
  // holds for one of them; false at the deadline or when `alive` says no.
  bool WaitForEvent(std::chrono::steady_clock::time_point deadline, const std::function<bool()>& alive,
                    const std::function<bool(const xcb_generic_event_t&)>& awaited);
  void ReadEvents();
  void Handle(const xcb_generic_event_t& event);

  xcb_connection_t* connection_;
  xcb_window_t root_;
  xcb_atom_t frameExtents_;
  xcb_atom_t supportingWmCheck_;

  // The watched window, the frame it is in and where that frame stands.
  xcb_window_t watched_ = XCB_WINDOW_NONE;
  xcb_window_t frame_ = XCB_WINDOW_NONE;
  bool frameMapped_ = false;
  bool windowMapped_ = false;
  bool Shown() const { return frameMapped_ && windowMapped_; }
  ScreenPoint frameAt_;
  std::vector<ShownPlace> shown_;
  // Where each window on the root stands, as its events say.
  std::map<xcb_window_t, ScreenPoint> tops_;
};

}  // namespace velmora
