#pragma once

#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace velmora {

// DLLs planted beside a Windows program under Wine, as a web page could
// leave them in the Downloads folder: a fake under each name (planted_dll.cpp)
// that marks its loading beside itself and ends the process. Windows looks
// for a DLL in a program's own folder before System32, but for its
// KnownDLLs; Wine, told to prefer such a copy (WINEDLLOVERRIDES name=n,b),
// does the same and keeps no KnownDLLs.

// DLLs that Windows maps from System32 whatever the folder holds, its
// KnownDLLs and what they import, and Wine's own driver: never planted, as
// Wine would load them from the folder where Windows never looks.
extern const std::set<std::string> kSystemsOwnDlls;
// What Wine's own start loads from a program's folder before the program's
// first instruction, whatever the program does: never planted either.
extern const std::vector<std::string> kWinesStartDlls;

// `folder` made afresh with `program` and the fake `dll` under each of
// `names` (lower case, without ".dll") in it.
void PlantBeside(const std::filesystem::path& folder, const std::filesystem::path& program,
                 const std::filesystem::path& dll, const std::vector<std::string>& names);

// WINEDLLOVERRIDES `overrides` with Wine told to prefer a DLL of each of
// `names` found beside the program.
std::string PreferringPlanted(const std::string& overrides, const std::vector<std::string>& names);

// The planted DLLs in `folder` that marked their loading.
std::vector<std::string> PlantedLoaded(const std::filesystem::path& folder);

// What Wine's loader log (WINEDEBUG=+pid,+loaddll) says the first process
// of the program named `program` loaded.
struct LoadedDlls {
  // The program's folder, lower case, with its last backslash.
  std::string programFolder;
  // Each DLL's folder, lower case, with its last backslash, and its file
  // name, lower case, without ".dll".
  std::vector<std::pair<std::string, std::string>> from;
};
LoadedDlls LoadedBy(const std::filesystem::path& log, const std::string& program);

// What a run with `planted` beside the program shows to be wrong: a DLL
// loaded from the program's folder, one loaded neither planted nor in
// `exempt` (nor one of the system's own or Wine's start), or one planted but
// never loaded, which its twin was then not tried against. One line each.
std::vector<std::string> PlantingGaps(const LoadedDlls& loaded, const std::vector<std::string>& planted,
                                      const std::set<std::string>& exempt);

}  // namespace velmora
