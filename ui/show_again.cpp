#include "show_again.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWidget>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <thread>

namespace velmora {
namespace {

constexpr auto kLongestWait = std::chrono::milliseconds(500);
constexpr auto kPollInterval = std::chrono::milliseconds(2);
constexpr std::uint32_t kWithdrawnState = 0;

struct FreeReply {
  void operator()(void* reply) const { std::free(reply); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeReply>;

// A request that fails (the window gone) gives no reply and no error event.
template <typename T, typename Cookie>
Reply<T> Ask(xcb_connection_t* connection, Cookie cookie,
             T* (*reply)(xcb_connection_t*, Cookie, xcb_generic_error_t**)) {
  xcb_generic_error_t* error = nullptr;
  Reply<T> answer(reply(connection, cookie, &error));
  std::free(error);
  return answer;
}

xcb_atom_t WmStateAtom(xcb_connection_t* connection) {
  static constexpr char kName[] = "WM_STATE";
  const auto atom = Ask(connection, xcb_intern_atom(connection, 0, sizeof kName - 1, kName), xcb_intern_atom_reply);
  return atom ? atom->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

// True once no window manager holds the window: it is a child of the root
// again, and its WM_STATE is gone or says Withdrawn.
bool LetGo(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t wmState) {
  const xcb_query_tree_cookie_t treeCookie = xcb_query_tree(connection, window);
  const xcb_get_property_cookie_t stateCookie = xcb_get_property(connection, 0, window, wmState, wmState, 0, 1);
  const auto tree = Ask(connection, treeCookie, xcb_query_tree_reply);
  const auto state = Ask(connection, stateCookie, xcb_get_property_reply);
  if (!tree || !state) return true;
  if (tree->parent != tree->root) return false;
  if (xcb_get_property_value_length(state.get()) < static_cast<int>(sizeof(std::uint32_t))) return true;
  return *static_cast<const std::uint32_t*>(xcb_get_property_value(state.get())) == kWithdrawnState;
}

void WaitUntilLetGo(xcb_connection_t* connection, xcb_window_t window) {
  const xcb_atom_t wmState = WmStateAtom(connection);
  if (wmState == XCB_ATOM_NONE) return;
  const auto deadline = std::chrono::steady_clock::now() + kLongestWait;
  while (!LetGo(connection, window, wmState) && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(kPollInterval);
  }
}

}  // namespace

void ShowAgain(QWidget& window) {
  // Other platforms, offscreen among them, have no window manager to wait for.
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
  const WId id = window.internalWinId();
  if (connection != nullptr && id != 0 && !window.isVisible()) {
    WaitUntilLetGo(connection, static_cast<xcb_window_t>(id));
  }
  window.setVisible(true);
}

}  // namespace velmora
