#include "placement/display_check.h"

#include <QByteArray>
#include <QList>
#include <QtGlobal>

#ifdef VELMORA_X11
#include <xcb/xcb.h>
#endif

namespace velmora {

DisplayCheck::DisplayCheck() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
  const QByteArray display = qgetenv("DISPLAY");
  const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#ifdef VELMORA_X11
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && wayland && !display.isEmpty()) {
    qputenv("QT_QPA_PLATFORM", OpenX(display.constData()) ? "xcb" : "wayland");
  }
#endif
  // The platform plugin asked for, without its options ("xcb:name=value").
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM").split(':').first();
  if (platform.isEmpty() && display.isEmpty() && !wayland) {
    problem_ =
        "no display (neither DISPLAY nor WAYLAND_DISPLAY is set); to run without a screen, start it under xvfb-run";
    return;
  }
#ifdef VELMORA_X11
  // Told to use X11, or left to choose with an X display set.
  if (platform == "xcb" || (platform.isEmpty() && !display.isEmpty())) {
    if (display.isEmpty()) {
      problem_ = "no X display (QT_QPA_PLATFORM is xcb but DISPLAY is not set)";
    } else if (connection_ == nullptr && !OpenX(display.constData())) {
      problem_ = "cannot open the X display \"" + std::string(display.constData()) +
                 "\" (DISPLAY): no X server answers there";
    }
  }
#endif
#endif
}

DisplayCheck::~DisplayCheck() {
#ifdef VELMORA_X11
  if (connection_ != nullptr) xcb_disconnect(connection_);
#endif
}

bool DisplayCheck::OpenX([[maybe_unused]] const char* display) {
#ifdef VELMORA_X11
  xcb_connection_t* connection = xcb_connect(display, nullptr);
  if (xcb_connection_has_error(connection) != 0) {
    xcb_disconnect(connection);
    return false;
  }
  connection_ = connection;
  return true;
#else
  return false;
#endif
}

}  // namespace velmora
