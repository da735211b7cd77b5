#pragma once

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace velmora::x11 {

// A reply from the X server, freed as xcb asks.
struct FreeReply {
  void operator()(void* reply) const { std::free(reply); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeReply>;

// Waits for the reply to a request. A request that failed (the window gone)
// gives no reply, and its error raises no error event.
template <typename T, typename Cookie>
Reply<T> Ask(xcb_connection_t* connection, Cookie cookie,
             T* (*reply)(xcb_connection_t*, Cookie, xcb_generic_error_t**)) {
  xcb_generic_error_t* error = nullptr;
  Reply<T> answer(reply(connection, cookie, &error));
  std::free(error);
  return answer;
}

}  // namespace velmora::x11
