#pragma once

#include <xcb/xcb.h>

#include <QPoint>
#include <optional>

namespace velmora::x11 {

// Where a top-level window stands on an X screen, as the X server and the
// window manager say it, in device pixels of the root window.
struct Frame {
  // The outer top-left corner of the window manager's frame.
  QPoint corner;
  // The top-left corner of the window's own client area.
  QPoint client;
};

// The frame of a window that the window manager has taken in and shown
// (mapped, with WM_STATE Normal), or of a mapped window with no manager at
// all; nothing while the window is hidden or not yet framed.
std::optional<Frame> ShownFrame(xcb_connection_t* connection, xcb_window_t window);

// Asks for the window's client area to stand at `client`: through the
// window manager's _NET_MOVERESIZE_WINDOW with static gravity where it
// supports that, otherwise through a plain configure request.
void MoveClient(xcb_connection_t* connection, xcb_window_t window, QPoint client);

// Places the client area of a window that no manager has framed yet: a
// plain configure request, which the manager carries out as it stands.
void PlaceClient(xcb_connection_t* connection, xcb_window_t window, QPoint client);

// True when the manager has let go of a window and left it unmapped: it is
// a child of the root again, with its WM_STATE gone or Withdrawn. A window
// the program shows again before a lagging manager has let go of it can be
// left like this, its map request lost with the frame it was meant for.
bool LeftUnmapped(xcb_connection_t* connection, xcb_window_t window);

// Maps the window again, a fresh request for the manager to take it in.
void Map(xcb_connection_t* connection, xcb_window_t window);

}  // namespace velmora::x11
