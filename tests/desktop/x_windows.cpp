#include "x_windows.h"

#include <poll.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <stdexcept>

#include "placement/x11_reply.h"

namespace velmora {
namespace {

using x11::Ask;

// How long a ready manager may take to frame the probe before it is asked
// again.
constexpr auto kProbeAnswerWait = std::chrono::milliseconds(250);
// How long a wait for a state of the server goes without asking again.
constexpr auto kRecheck = std::chrono::milliseconds(100);

}  // namespace

XWindows::XWindows(const std::string& display) {
  int screen = 0;
  connection_ = xcb_connect(display.c_str(), &screen);
  if (xcb_connection_has_error(connection_) != 0) {
    xcb_disconnect(connection_);
    throw std::runtime_error("cannot open the X display " + display);
  }
  xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection_));
  for (int i = 0; i < screen; ++i) xcb_screen_next(&screens);
  root_ = screens.data->root;
  frameExtents_ = Atom("_NET_FRAME_EXTENTS");
  supportingWmCheck_ = Atom("_NET_SUPPORTING_WM_CHECK");
}

XWindows::~XWindows() { xcb_disconnect(connection_); }

xcb_atom_t XWindows::Atom(const char* name) {
  const auto reply =
      Ask(connection_, xcb_intern_atom(connection_, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
          xcb_intern_atom_reply);
  if (!reply) throw std::runtime_error(std::string("no atom ") + name);
  return reply->atom;
}

std::optional<WindowCorners> XWindows::Corners(xcb_window_t window) {
  // Everything is read while no other client, the manager included, can
  // change anything.
  xcb_grab_server(connection_);
  const auto attributesCookie = xcb_get_window_attributes(connection_, window);
  const auto originCookie = xcb_translate_coordinates(connection_, window, root_, 0, 0);
  const auto extentsCookie = xcb_get_property(connection_, 0, window, frameExtents_, XCB_ATOM_CARDINAL, 0, 4);
  // The frame: the window's ancestor that is a child of the root.
  xcb_window_t frame = window;
  for (;;) {
    const auto tree = Ask(connection_, xcb_query_tree(connection_, frame), xcb_query_tree_reply);
    if (!tree || tree->parent == root_ || tree->parent == XCB_WINDOW_NONE) break;
    frame = tree->parent;
  }
  const auto frameGeometry = Ask(connection_, xcb_get_geometry(connection_, frame), xcb_get_geometry_reply);
  xcb_ungrab_server(connection_);
  xcb_flush(connection_);
  const auto attributes = Ask(connection_, attributesCookie, xcb_get_window_attributes_reply);
  const auto origin = Ask(connection_, originCookie, xcb_translate_coordinates_reply);
  const auto extents = Ask(connection_, extentsCookie, xcb_get_property_reply);
  if (!attributes || !origin || !frameGeometry || attributes->map_state != XCB_MAP_STATE_VIEWABLE) return std::nullopt;
  const ScreenPoint client{origin->dst_x, origin->dst_y};
  if (extents && extents->format == 32 && xcb_get_property_value_length(extents.get()) == 16) {
    // left, right, top, bottom: the frame the manager says it drew.
    const auto* sides = static_cast<const std::uint32_t*>(xcb_get_property_value(extents.get()));
    return WindowCorners{{client.x - static_cast<int>(sides[0]), client.y - static_cast<int>(sides[2])}, client};
  }
  // A manager that publishes no extents: the frame window's own corner.
  if (frame == window) return std::nullopt;
  return WindowCorners{{frameGeometry->x, frameGeometry->y}, client};
}

std::vector<xcb_window_t> XWindows::ClientsTitled(const std::string& title) {
  std::vector<xcb_window_t> found;
  const auto list = Ask(connection_, xcb_get_property(connection_, 0, root_, Atom("_NET_CLIENT_LIST"), XCB_ATOM_WINDOW, 0, 1024),
                        xcb_get_property_reply);
  if (!list || list->format != 32) return found;
  const auto* windows = static_cast<const xcb_window_t*>(xcb_get_property_value(list.get()));
  const int count = xcb_get_property_value_length(list.get()) / 4;
  for (int i = 0; i < count; ++i) {
    if (Title(windows[i]) == title) found.push_back(windows[i]);
  }
  return found;
}

std::string XWindows::Title(xcb_window_t window) {
  const auto name = Ask(connection_,
                        xcb_get_property(connection_, 0, window, Atom("_NET_WM_NAME"), Atom("UTF8_STRING"), 0, 256),
                        xcb_get_property_reply);
  if (!name) return {};
  return std::string(static_cast<const char*>(xcb_get_property_value(name.get())),
                     static_cast<std::size_t>(xcb_get_property_value_length(name.get())));
}

bool XWindows::WaitForChildAt(xcb_window_t parent, const std::string& title, ScreenPoint at,
                              std::chrono::milliseconds timeout) {
  return WaitUntil(timeout, [&] {
    const auto tree = Ask(connection_, xcb_query_tree(connection_, parent), xcb_query_tree_reply);
    if (!tree) return false;
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
      const auto attributes =
          Ask(connection_, xcb_get_window_attributes(connection_, children[i]), xcb_get_window_attributes_reply);
      if (!attributes || attributes->map_state != XCB_MAP_STATE_VIEWABLE) continue;
      const auto geometry = Ask(connection_, xcb_get_geometry(connection_, children[i]), xcb_get_geometry_reply);
      if (geometry && ScreenPoint{geometry->x, geometry->y} == at && Title(children[i]) == title) return true;
    }
    return false;
  });
}

xcb_window_t XWindows::WaitForClientTitled(const std::string& title, std::chrono::milliseconds timeout) {
  xcb_window_t shown = XCB_WINDOW_NONE;
  WaitUntil(timeout, [&] {
    const std::vector<xcb_window_t> found = ClientsTitled(title);
    if (found.size() == 1 && Corners(found[0])) shown = found[0];
    return shown != XCB_WINDOW_NONE;
  });
  return shown;
}

bool XWindows::WaitUntil(std::chrono::milliseconds timeout, const std::function<bool()>& holds) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  // Whatever the root's windows and properties do is reported meanwhile;
  // `holds` is asked again after it, and at the latest every round.
  const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_PROPERTY_CHANGE;
  xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
  const auto anything = [](const xcb_generic_event_t&) { return true; };
  bool held = holds();
  while (!held && std::chrono::steady_clock::now() < deadline) {
    WaitForEvent(std::min(deadline, std::chrono::steady_clock::now() + kRecheck), [] { return true; }, anything);
    held = holds();
  }
  const std::uint32_t watching = watched_ != XCB_WINDOW_NONE ? XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY : 0;
  xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &watching);
  xcb_flush(connection_);
  return held;
}

std::optional<ScreenPoint> XWindows::Size(xcb_window_t window) {
  const auto geometry = Ask(connection_, xcb_get_geometry(connection_, window), xcb_get_geometry_reply);
  if (!geometry) return std::nullopt;
  return ScreenPoint{geometry->width, geometry->height};
}

std::vector<std::uint32_t> XWindows::Pixels(xcb_window_t window, int x, int y, int width, int height) {
  const auto image = Ask(connection_,
                         xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, window, static_cast<std::int16_t>(x),
                                       static_cast<std::int16_t>(y), static_cast<std::uint16_t>(width),
                                       static_cast<std::uint16_t>(height), ~0U),
                         xcb_get_image_reply);
  // The test desktops' screens are 24 bits deep: four bytes a pixel.
  if (!image || xcb_get_image_data_length(image.get()) != width * height * 4) return {};
  const auto* data = reinterpret_cast<const std::uint32_t*>(xcb_get_image_data(image.get()));
  std::vector<std::uint32_t> pixels(data, data + static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  for (std::uint32_t& pixel : pixels) pixel &= 0xffffffU;
  return pixels;
}

std::string XWindows::Describe(xcb_window_t window) {
  const auto attributes =
      Ask(connection_, xcb_get_window_attributes(connection_, window), xcb_get_window_attributes_reply);
  const auto tree = Ask(connection_, xcb_query_tree(connection_, window), xcb_query_tree_reply);
  const auto extents =
      Ask(connection_, xcb_get_property(connection_, 0, window, frameExtents_, XCB_ATOM_CARDINAL, 0, 4),
          xcb_get_property_reply);
  if (!attributes || !tree) return "gone";
  static const char* const kMapStates[] = {"unmapped", "unviewable", "viewable"};
  return std::string(kMapStates[attributes->map_state % 3]) + (tree->parent == root_ ? ", on the root" : ", framed") +
         (extents && xcb_get_property_value_length(extents.get()) == 16 ? ", frame extents set" : ", no frame extents");
}

bool XWindows::HoldsInputFocus(xcb_window_t window) {
  const auto focus = Ask(connection_, xcb_get_input_focus(connection_), xcb_get_input_focus_reply);
  if (!focus) return false;
  // The focus may be on a window inside this one; never on the root.
  for (xcb_window_t at = focus->focus; at != XCB_WINDOW_NONE && at != root_ && at != XCB_INPUT_FOCUS_POINTER_ROOT;) {
    if (at == window) return true;
    const auto tree = Ask(connection_, xcb_query_tree(connection_, at), xcb_query_tree_reply);
    if (!tree) return false;
    at = tree->parent;
  }
  return false;
}

bool XWindows::WaitForEvent(std::chrono::steady_clock::time_point deadline, const std::function<bool()>& alive,
                            const std::function<bool(const xcb_generic_event_t&)>& awaited) {
  const pollfd readable{xcb_get_file_descriptor(connection_), POLLIN, 0};
  for (;;) {
    if (std::chrono::steady_clock::now() >= deadline || !alive()) return false;
    if (xcb_connection_has_error(connection_) != 0) return false;
    xcb_flush(connection_);
    pollfd wait = readable;
    poll(&wait, 1, 100);
    bool met = false;
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
      Handle(*event);
      met = met || awaited(*event);
      std::free(event);
    }
    if (met) return true;
  }
}

bool XWindows::WaitForWindowManager(std::chrono::milliseconds timeout, const std::function<bool()>& alive) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  const std::uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
  xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
  const auto announced = [this] {
    const auto reply =
        Ask(connection_, xcb_get_property(connection_, 0, root_, supportingWmCheck_, XCB_ATOM_WINDOW, 0, 1),
            xcb_get_property_reply);
    return reply && reply->format == 32 && xcb_get_property_value_length(reply.get()) == 4;
  };
  // Asked once after listening starts, then again on every change of a
  // root property, so that no announcement falls between the two.
  const auto rootPropertyChanged = [](const xcb_generic_event_t& event) {
    return (event.response_type & 0x7F) == XCB_PROPERTY_NOTIFY;
  };
  while (!announced()) {
    if (!WaitForEvent(deadline, alive, rootPropertyChanged)) return false;
  }
  const std::uint32_t none = 0;
  xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &none);

  // A manager may announce itself before it takes windows in, and loses a
  // window mapped in between (openbox does). Ready is when it frames a
  // window: a probe, mapped until the manager reparents it.
  const xcb_window_t probe = xcb_generate_id(connection_);
  const std::uint32_t probeMask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
  xcb_create_window(connection_, XCB_COPY_FROM_PARENT, probe, root_, 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                    XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, &probeMask);
  const auto reparented = [probe](const xcb_generic_event_t& event) {
    return (event.response_type & 0x7F) == XCB_REPARENT_NOTIFY &&
           reinterpret_cast<const xcb_reparent_notify_event_t&>(event).window == probe;
  };
  bool framed = false;
  while (!framed && std::chrono::steady_clock::now() < deadline) {
    // A map request the manager lost leaves the probe unmapped: asked again.
    xcb_map_window(connection_, probe);
    framed = WaitForEvent(std::min(deadline, std::chrono::steady_clock::now() + kProbeAnswerWait), alive, reparented);
    if (!alive()) break;
  }
  xcb_destroy_window(connection_, probe);
  xcb_flush(connection_);
  return framed;
}

bool XWindows::WaitForInputFocus(xcb_window_t window, std::chrono::milliseconds timeout) {
  return WaitUntil(timeout, [&] { return HoldsInputFocus(window); });
}

bool XWindows::Ping(xcb_window_t window, std::chrono::milliseconds timeout) {
  // The program sends the ping back to the root window, for the window
  // manager: to whoever asks for the root's structure or substructure
  // events, as toolkits differ.
  const std::uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
  const xcb_atom_t protocols = Atom("WM_PROTOCOLS");
  const xcb_atom_t ping = Atom("_NET_WM_PING");
  // A time stamp no manager uses tells this ping's answer from theirs.
  constexpr std::uint32_t kStamp = 0x7e57;
  xcb_client_message_event_t message{};
  message.response_type = XCB_CLIENT_MESSAGE;
  message.format = 32;
  message.window = window;
  message.type = protocols;
  message.data.data32[0] = ping;
  message.data.data32[1] = kStamp;
  message.data.data32[2] = window;
  xcb_send_event(connection_, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&message));
  const auto answer = [&](const xcb_generic_event_t& event) {
    if ((event.response_type & 0x7F) != XCB_CLIENT_MESSAGE) return false;
    const auto& pong = reinterpret_cast<const xcb_client_message_event_t&>(event);
    return pong.window == root_ && pong.type == protocols && pong.data.data32[0] == ping &&
           pong.data.data32[1] == kStamp && pong.data.data32[2] == window;
  };
  const bool answered = WaitForEvent(std::chrono::steady_clock::now() + timeout, [] { return true; }, answer);
  const std::uint32_t watching = watched_ != XCB_WINDOW_NONE ? XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY : 0;
  xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &watching);
  xcb_flush(connection_);
  return answered;
}

void XWindows::WatchFrame(xcb_window_t window) {
  const std::uint32_t rootMask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &rootMask);
  const std::uint32_t windowMask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
  xcb_change_window_attributes(connection_, window, XCB_CW_EVENT_MASK, &windowMask);
  watched_ = window;
  shown_.clear();
  // Where the window stands now: its frame, whether that is shown, and
  // where; from here on the events say what changes.
  xcb_grab_server(connection_);
  xcb_window_t frame = window;
  for (;;) {
    const auto tree = Ask(connection_, xcb_query_tree(connection_, frame), xcb_query_tree_reply);
    if (!tree || tree->parent == root_ || tree->parent == XCB_WINDOW_NONE) break;
    frame = tree->parent;
  }
  const auto geometry = Ask(connection_, xcb_get_geometry(connection_, frame), xcb_get_geometry_reply);
  const auto attributes =
      Ask(connection_, xcb_get_window_attributes(connection_, frame), xcb_get_window_attributes_reply);
  const auto windowAttributes =
      Ask(connection_, xcb_get_window_attributes(connection_, window), xcb_get_window_attributes_reply);
  xcb_ungrab_server(connection_);
  xcb_flush(connection_);
  frame_ = frame;
  frameAt_ = geometry ? ScreenPoint{geometry->x, geometry->y} : ScreenPoint{};
  if (frame != window) tops_[frame] = frameAt_;
  frameMapped_ = attributes && attributes->map_state != XCB_MAP_STATE_UNMAPPED;
  windowMapped_ = windowAttributes && windowAttributes->map_state != XCB_MAP_STATE_UNMAPPED;
}

const std::vector<ShownPlace>& XWindows::ShownPlaces() {
  ReadEvents();
  return shown_;
}

void XWindows::ReadEvents() {
  // A round trip: every event the server sent before answering is in.
  std::free(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
  while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
    Handle(*event);
    std::free(event);
  }
}

void XWindows::Handle(const xcb_generic_event_t& event) {
  switch (event.response_type & 0x7F) {
    case XCB_CREATE_NOTIFY: {
      const auto& create = reinterpret_cast<const xcb_create_notify_event_t&>(event);
      if (create.parent == root_) tops_[create.window] = {create.x, create.y};
      break;
    }
    case XCB_DESTROY_NOTIFY:
      tops_.erase(reinterpret_cast<const xcb_destroy_notify_event_t&>(event).window);
      break;
    case XCB_REPARENT_NOTIFY: {
      const auto& reparent = reinterpret_cast<const xcb_reparent_notify_event_t&>(event);
      if (reparent.event == root_) {
        // A window that comes to or leaves the root.
        if (reparent.parent == root_) {
          tops_[reparent.window] = {reparent.x, reparent.y};
        } else {
          tops_.erase(reparent.window);
        }
      }
      if (reparent.window != watched_ || reparent.event != watched_) break;
      // Put into a frame, or back on the root; the frame is the ancestor
      // that is a child of the root.
      xcb_window_t frame = reparent.window;
      xcb_window_t parent = reparent.parent;
      while (parent != root_ && parent != XCB_WINDOW_NONE) {
        frame = parent;
        if (tops_.count(frame) != 0) break;
        const auto tree = Ask(connection_, xcb_query_tree(connection_, frame), xcb_query_tree_reply);
        parent = tree ? tree->parent : static_cast<xcb_window_t>(XCB_WINDOW_NONE);
      }
      frame_ = frame;
      frameMapped_ = false;
      if (frame == reparent.window) {
        frameAt_ = {reparent.x, reparent.y};
      } else if (const auto known = tops_.find(frame); known != tops_.end()) {
        frameAt_ = known->second;
      } else if (const auto geometry = Ask(connection_, xcb_get_geometry(connection_, frame), xcb_get_geometry_reply)) {
        frameAt_ = {geometry->x, geometry->y};
      }
      break;
    }
    case XCB_CONFIGURE_NOTIFY: {
      const auto& configure = reinterpret_cast<const xcb_configure_notify_event_t&>(event);
      if (configure.event != root_) break;
      const ScreenPoint at{configure.x, configure.y};
      if (tops_.count(configure.window) != 0) tops_[configure.window] = at;
      if (configure.window != frame_) break;
      if (Shown() && at != frameAt_) shown_.push_back({"move", at});
      frameAt_ = at;
      break;
    }
    case XCB_MAP_NOTIFY: {
      // The window is seen once both it and its frame are mapped: a
      // compositing manager draws neither before, and a frame without its
      // window shows nothing of it.
      const auto& map = reinterpret_cast<const xcb_map_notify_event_t&>(event);
      const bool wasShown = Shown();
      if (map.window == watched_ && map.event == watched_) windowMapped_ = true;
      if (map.window == frame_ && map.event == root_) frameMapped_ = true;
      if (!wasShown && Shown()) shown_.push_back({"map", frameAt_});
      break;
    }
    case XCB_UNMAP_NOTIFY: {
      const auto& unmap = reinterpret_cast<const xcb_unmap_notify_event_t&>(event);
      if (unmap.window == watched_ && unmap.event == watched_) windowMapped_ = false;
      if (unmap.window == frame_ && unmap.event == root_) frameMapped_ = false;
      break;
    }
    default:
      break;
  }
}

}  // namespace velmora
