#pragma once

#include <sys/types.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>

#include "processes.h"
#include "wine_reader.h"
#include "wine_test_session.h"

namespace velmora {

class XDesktop;

// A window's outer rectangle as Windows gives it, in device pixels.
struct OuterRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  friend bool operator==(const OuterRect&, const OuterRect&) = default;
};

// What the chart probe reads of Velmora.exe's windows.
struct ChartState {
  bool chartShown = false;
  bool aboutShown = false;
  std::string label;
  int root = -1;
  int type = -1;
  // The id of the control with the keyboard in the shown window; 0 if none.
  int focus = 0;
  OuterRect chart;
  OuterRect about;
  int clientX = 0;
  int clientY = 0;
  // The middle of each window's close button, where Wine draws the frames.
  int chartCloseX = 0;
  int chartCloseY = 0;
  int aboutCloseX = 0;
  int aboutCloseY = 0;
  unsigned dpi = 0;
};

// Velmora.exe under Wine on a test desktop, and the probe that reads its
// windows through Wine from a process of its own. The Wine prefix is the
// one made for the test run's dots per inch; its server is ended before
// and after, so that each run has Wine to itself.
// Which copy of Velmora.exe a WineChart starts, with what added to the
// environment of its Wine process alone, and the file its standard error
// goes to (none: discarded).
struct WineLaunch {
  std::string program = WindowsBuildFile("Velmora.exe");
  Environment environment;
  std::string errors;
};

class WineChart {
 public:
  // `virtualDesktop`: inside Wine's own desktop window, where Wine draws the
  // frames, rather than as windows of the X window manager. `withReader`:
  // with the MSAA reader listening from before the program starts.
  WineChart(const XDesktop& desktop, bool virtualDesktop, bool withReader = false, const WineLaunch& launch = {});
  ~WineChart();
  WineChart(const WineChart&) = delete;
  WineChart& operator=(const WineChart&) = delete;

  ChartState State();
  // Moves the About window's outer corner to (left, top) as the system does
  // for the user, and reads the state after it.
  ChartState MoveAbout(int left, int top);
  // Reads the state until `done` holds, for up to ten seconds; throws with
  // `what` and the last state read if it never does.
  ChartState WaitFor(const std::function<bool(const ChartState&)>& done, const std::string& what);
  // Waits, up to ten seconds, for the program to end; its exit status.
  int WaitForExit();
  // The MSAA reader, where the chart was started with it.
  WineReader& Reader() { return *reader_; }

 private:
  void EndWineServer() const;
  // Gives the probe one command line and reads the state it answers with.
  ChartState Ask(const std::string& command);

  Environment environment_;
  pid_t program_ = -1;
  pid_t probe_ = -1;
  std::FILE* toProbe_ = nullptr;
  std::FILE* fromProbe_ = nullptr;
  std::unique_ptr<WineReader> reader_;
};

std::string Describe(const ChartState& state);

}  // namespace velmora
