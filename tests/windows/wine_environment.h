#pragma once

#include <string>

#include "processes.h"
#include "x_desktop.h"

namespace velmora {

// The environment of every Wine process of a test: the prefix, quiet, the
// test desktop's display and home. Wine is told not to offer its .NET and
// HTML engines, which are not installed, and not to copy Start-menu
// shortcuts into the Linux menus.
inline Environment WineEnvironment(const XDesktop& desktop, const std::string& prefix) {
  Environment environment = desktop.ClientEnvironment();
  environment["WINEPREFIX"] = prefix;
  environment["WINEDEBUG"] = "-all";
  environment["WINEDLLOVERRIDES"] = "mscoree,mshtml=;winemenubuilder.exe=d";
  environment["HOME"] = desktop.Home();
  return environment;
}

}  // namespace velmora
