#include "placement/x11_frame.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "placement/x11_reply.h"

namespace velmora::x11 {
namespace {

constexpr std::uint32_t kWithdrawnState = 0;
constexpr std::uint32_t kNormalState = 1;
constexpr std::uint32_t kStaticGravity = 10;
// _NET_MOVERESIZE_WINDOW: x and y given, sent on the user's behalf (as a
// pager does), so that the manager moves the window where it is asked.
constexpr std::uint32_t kMoveXY = (1U << 8) | (1U << 9);
constexpr std::uint32_t kSourceUser = 2U << 12;

struct Atoms {
  xcb_atom_t wmState = XCB_ATOM_NONE;
  xcb_atom_t frameExtents = XCB_ATOM_NONE;
  xcb_atom_t supported = XCB_ATOM_NONE;
  xcb_atom_t moveResize = XCB_ATOM_NONE;
};

// The atoms are interned once for the one connection the program has.
const Atoms& AtomsOf(xcb_connection_t* connection) {
  static xcb_connection_t* interned = nullptr;
  static Atoms atoms;
  if (interned == connection) return atoms;
  constexpr std::array<const char*, 4> kNames = {"WM_STATE", "_NET_FRAME_EXTENTS", "_NET_SUPPORTED",
                                                 "_NET_MOVERESIZE_WINDOW"};
  std::array<xcb_intern_atom_cookie_t, kNames.size()> cookies{};
  for (std::size_t i = 0; i < kNames.size(); ++i) {
    cookies[i] = xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::char_traits<char>::length(kNames[i])),
                                 kNames[i]);
  }
  std::array<xcb_atom_t, kNames.size()> found{};
  for (std::size_t i = 0; i < kNames.size(); ++i) {
    const auto reply = Ask(connection, cookies[i], xcb_intern_atom_reply);
    found[i] = reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
  }
  atoms = {found[0], found[1], found[2], found[3]};
  interned = connection;
  return atoms;
}

// The first N 32-bit values of a property; nothing if it has fewer.
template <std::size_t N>
std::optional<std::array<std::uint32_t, N>> Cardinals(xcb_connection_t* connection, xcb_window_t window,
                                                      xcb_atom_t property, xcb_atom_t type) {
  const auto reply = Ask(connection, xcb_get_property(connection, 0, window, property, type, 0, N),
                         xcb_get_property_reply);
  if (!reply || reply->format != 32 ||
      xcb_get_property_value_length(reply.get()) < static_cast<int>(N * sizeof(std::uint32_t))) {
    return std::nullopt;
  }
  std::array<std::uint32_t, N> values{};
  std::copy_n(static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get())), N, values.begin());
  return values;
}

xcb_window_t RootOf(xcb_connection_t* connection, xcb_window_t window) {
  const auto tree = Ask(connection, xcb_query_tree(connection, window), xcb_query_tree_reply);
  return tree ? tree->root : static_cast<xcb_window_t>(XCB_WINDOW_NONE);
}

// The window's ancestor that is a child of the root: the manager's frame,
// or the window itself where nobody framed it.
xcb_window_t TopLevelOf(xcb_connection_t* connection, xcb_window_t window) {
  for (;;) {
    const auto tree = Ask(connection, xcb_query_tree(connection, window), xcb_query_tree_reply);
    if (!tree || tree->parent == tree->root || tree->parent == XCB_WINDOW_NONE) return window;
    window = tree->parent;
  }
}

bool ManagerSupports(xcb_connection_t* connection, xcb_window_t root, xcb_atom_t atom) {
  const Atoms& atoms = AtomsOf(connection);
  const auto reply = Ask(connection, xcb_get_property(connection, 0, root, atoms.supported, XCB_ATOM_ATOM, 0, 1024),
                         xcb_get_property_reply);
  if (!reply || reply->format != 32) return false;
  const auto* begin = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
  const auto* end = begin + xcb_get_property_value_length(reply.get()) / sizeof(xcb_atom_t);
  return std::find(begin, end, atom) != end;
}

}  // namespace

std::optional<Frame> ShownFrame(xcb_connection_t* connection, xcb_window_t window) {
  const Atoms& atoms = AtomsOf(connection);
  const auto attributes = Ask(connection, xcb_get_window_attributes(connection, window),
                              xcb_get_window_attributes_reply);
  if (!attributes || attributes->map_state != XCB_MAP_STATE_VIEWABLE) return std::nullopt;
  const xcb_window_t root = RootOf(connection, window);
  const xcb_window_t topLevel = TopLevelOf(connection, window);
  const auto state = Cardinals<1>(connection, window, atoms.wmState, atoms.wmState);
  // A window that is mapped is the manager's once it has set WM_STATE; one
  // that stands unframed on the root with no WM_STATE has no manager at all.
  if (state ? (*state)[0] != kNormalState : topLevel != window) return std::nullopt;

  const auto origin = Ask(connection, xcb_translate_coordinates(connection, window, root, 0, 0),
                          xcb_translate_coordinates_reply);
  if (!origin) return std::nullopt;
  const QPoint client(origin->dst_x, origin->dst_y);
  // left, right, top, bottom: the frame the manager says it drew, without
  // any invisible border of its frame window.
  if (const auto extents = Cardinals<4>(connection, window, atoms.frameExtents, XCB_ATOM_CARDINAL)) {
    return Frame{client - QPoint(static_cast<int>((*extents)[0]), static_cast<int>((*extents)[2])), client};
  }
  const auto geometry = Ask(connection, xcb_get_geometry(connection, topLevel), xcb_get_geometry_reply);
  if (!geometry) return std::nullopt;
  return Frame{QPoint(geometry->x, geometry->y), client};
}

void MoveClient(xcb_connection_t* connection, xcb_window_t window, QPoint client) {
  const Atoms& atoms = AtomsOf(connection);
  const xcb_window_t root = RootOf(connection, window);
  if (root != XCB_WINDOW_NONE && ManagerSupports(connection, root, atoms.moveResize)) {
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = atoms.moveResize;
    message.data.data32[0] = kStaticGravity | kMoveXY | kSourceUser;
    message.data.data32[1] = static_cast<std::uint32_t>(client.x());
    message.data.data32[2] = static_cast<std::uint32_t>(client.y());
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
  } else {
    const std::array<std::uint32_t, 2> position = {static_cast<std::uint32_t>(client.x()),
                                                   static_cast<std::uint32_t>(client.y())};
    xcb_configure_window(connection, window, XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y, position.data());
  }
  xcb_flush(connection);
}

void PlaceClient(xcb_connection_t* connection, xcb_window_t window, QPoint client) {
  const std::array<std::uint32_t, 2> position = {static_cast<std::uint32_t>(client.x()),
                                                 static_cast<std::uint32_t>(client.y())};
  xcb_configure_window(connection, window, XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y, position.data());
  xcb_flush(connection);
}

bool LeftUnmapped(xcb_connection_t* connection, xcb_window_t window) {
  const Atoms& atoms = AtomsOf(connection);
  const auto attributes = Ask(connection, xcb_get_window_attributes(connection, window),
                              xcb_get_window_attributes_reply);
  const auto tree = Ask(connection, xcb_query_tree(connection, window), xcb_query_tree_reply);
  if (!attributes || !tree || attributes->map_state != XCB_MAP_STATE_UNMAPPED || tree->parent != tree->root) {
    return false;
  }
  const auto state = Cardinals<1>(connection, window, atoms.wmState, atoms.wmState);
  return !state || (*state)[0] == kWithdrawnState;
}

void Map(xcb_connection_t* connection, xcb_window_t window) {
  xcb_map_window(connection, window);
  xcb_flush(connection);
}

}  // namespace velmora::x11
