#include "placement/display_check.h"

#include <QByteArray>
#include <QList>
#include <QtGlobal>

#ifdef VELMORA_X11
#include <xcb/xcb.h>
#endif

namespace velmora {
namespace {

#ifdef VELMORA_X11
bool XDisplayOpens(const QByteArray& display) {
  xcb_connection_t* connection = xcb_connect(display.constData(), nullptr);
  const bool opened = xcb_connection_has_error(connection) == 0;
  xcb_disconnect(connection);
  return opened;
}
#endif

}  // namespace

void ChooseDisplayPlatform() {
#if defined(VELMORA_X11)
  if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
      qEnvironmentVariableIsEmpty("DISPLAY")) {
    return;
  }
  qputenv("QT_QPA_PLATFORM", XDisplayOpens(qgetenv("DISPLAY")) ? "xcb" : "wayland");
#endif
}

std::string DisplayProblem() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
  // The platform plugin asked for, without its options ("xcb:name=value").
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM").split(':').first();
  const QByteArray display = qgetenv("DISPLAY");
  const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");

  if (platform.isEmpty() && display.isEmpty() && !wayland) {
    return "no display (neither DISPLAY nor WAYLAND_DISPLAY is set); to run without a screen, start it under "
           "xvfb-run";
  }
#ifdef VELMORA_X11
  // Told to use X11, or left to choose with an X display set.
  if (platform == "xcb" || (platform.isEmpty() && !display.isEmpty())) {
    if (display.isEmpty()) return "no X display (QT_QPA_PLATFORM is xcb but DISPLAY is not set)";
    if (!XDisplayOpens(display)) {
      // The variable's bytes as they are: QByteArray::toStdString is Qt 6.4's.
      return "cannot open the X display \"" + std::string(display.constData()) + "\" (DISPLAY): no X server answers there";
    }
  }
#endif
#endif
  return {};
}

}  // namespace velmora
