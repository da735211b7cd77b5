// Velmora.exe run from a folder that holds, beside it, DLLs under the names
// of those it loads, as a web page could leave them in Downloads
// (planted_dlls.h).
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "chart_words.h"
#include "planted_dlls.h"
#include "wine_chart.h"
#include "wine_environment.h"
#include "wine_test_session.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

// Planted beside Velmora.exe: every DLL it loads, by itself or through the
// DLLs it loads, with a screen reader listening, but the system's own and
// Wine's start.
const std::vector<std::string> kPlanted = {"comctl32", "oleacc", "uxtheme", "msimg32"};

std::string Prefix() { return std::getenv("VELMORA_WINE_PREFIX"); }

// The fake planted under each name, of the programs' architecture.
std::string PlantedDll() { return WindowsBuildFile("tests/planted.dll"); }

// The folder the programs are run from, beside the prefix.
fs::path Downloads() { return Prefix() + "-downloads"; }

Environment Preferring(const std::vector<std::string>& names) {
  return {{"WINEDLLOVERRIDES",
           PreferringPlanted(WineEnvironment(TestDesktop(), Prefix())["WINEDLLOVERRIDES"], names)}};
}

int RunToEnd(const fs::path& program, const Environment& environment) {
  int status = 0;
  waitpid(Spawn({WineLoader(), program.string()}, Overlaid(WineEnvironment(TestDesktop(), Prefix()), environment)),
          &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A program that imports what Velmora.exe imports and restricts its DLL
// search first still loads Wine's start from its folder, and nothing of the
// DLLs it loads itself.
TEST(PlantedDll, WinesOwnStartLoadsFromTheProgramsFolderWhateverTheProgramDoes) {
  for (const std::string& name : kWinesStartDlls) {
    PlantBeside(Downloads(), WindowsBuildFile("tests/protected_start.exe"), PlantedDll(), {name});
    EXPECT_EQ(RunToEnd(Downloads() / "protected_start.exe", Preferring({name})), 86) << name;
    EXPECT_EQ(PlantedLoaded(Downloads()), std::vector<std::string>{name});
  }
  PlantBeside(Downloads(), WindowsBuildFile("tests/protected_start.exe"), PlantedDll(), kPlanted);
  EXPECT_EQ(RunToEnd(Downloads() / "protected_start.exe", Preferring(kPlanted)), 0);
  EXPECT_EQ(PlantedLoaded(Downloads()), std::vector<std::string>{});
}

TEST(PlantedDll, NoneBesideVelmoraIsLoaded) {
  PlantBeside(Downloads(), WindowsBuildFile("Velmora.exe"), PlantedDll(), kPlanted);
  const fs::path log = Downloads().string() + ".log";
  // A planted DLL that loads ends the program before its chart shows; what
  // it left says which.
  try {
    WineLaunch launch{(Downloads() / "Velmora.exe").string(), Preferring(kPlanted), log.string()};
    launch.environment["WINEDEBUG"] = "+pid,+loaddll";
    // A reader listening has the program load the accessibility library.
    WineChart chart(TestDesktop(), false, true, launch);
    chart.WaitFor([](const ChartState& s) { return s.chartShown && s.label == "A" && s.focus == 101; },
                  "showed the chart with A major and the root list holding the keyboard");
    TestDesktop().PressKeys("Down");
    chart.WaitFor([](const ChartState& s) { return s.label == "A#"; }, "showed A#");
    TestDesktop().PressKeys("Tab Tab");
    chart.WaitFor([](const ChartState& s) { return s.focus == 104; }, "gave the About button the keyboard");
    TestDesktop().PressKeys("space");
    chart.WaitFor([](const ChartState& s) { return s.aboutShown && !s.chartShown; }, "opened About");
    TestDesktop().PressKeys("Return");
    chart.WaitFor([](const ChartState& s) { return s.chartShown && !s.aboutShown; }, "brought the chart back");
    EXPECT_TRUE(chart.Reader().WaitFor(0, [](const std::string& line) { return line.rfind("focus\t", 0) == 0; }))
        << "the reader heard nothing:" << Quoted(chart.Reader().SaidSince(0));
  } catch (const std::exception& error) {
    ADD_FAILURE() << error.what();
  }
  EXPECT_EQ(PlantedLoaded(Downloads()), std::vector<std::string>{});
  EXPECT_EQ(PlantingGaps(LoadedBy(log, "Velmora.exe"), kPlanted, {}), std::vector<std::string>{});
}

}  // namespace
}  // namespace velmora
