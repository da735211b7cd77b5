#include "planted_dlls.h"

#include <algorithm>
#include <cctype>
#include <fstream>

namespace velmora {
namespace {

namespace fs = std::filesystem;

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

bool Contains(const std::vector<std::string>& list, const std::string& name) {
  return std::find(list.begin(), list.end(), name) != list.end();
}

}  // namespace

const std::set<std::string> kSystemsOwnDlls = {
    "advapi32", "combase",  "gdi32",  "imm32",   "kernel32", "kernelbase", "msvcrt", "ntdll",  "ole32",
    "oleaut32", "rpcrt4",   "sechost", "setupapi", "shcore",  "shell32",    "shlwapi", "ucrtbase", "user32",
    "win32u",   "winex11.drv"};

const std::vector<std::string> kWinesStartDlls = {"version", "imm32", "zlib1"};

void PlantBeside(const fs::path& folder, const fs::path& program, const fs::path& dll,
                 const std::vector<std::string>& names) {
  fs::remove_all(folder);
  fs::create_directories(folder);
  fs::copy_file(program, folder / program.filename());
  for (const std::string& name : names) fs::copy_file(dll, folder / (name + ".dll"));
}

std::string PreferringPlanted(const std::string& overrides, const std::vector<std::string>& names) {
  std::string preferring;
  for (const std::string& name : names) preferring += (preferring.empty() ? "" : ",") + name;
  return overrides + ";" + preferring + "=n,b";
}

std::vector<std::string> PlantedLoaded(const fs::path& folder) {
  std::vector<std::string> marks;
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (entry.path().extension() == ".loaded") marks.push_back(Lower(entry.path().stem().stem().string()));
  }
  std::sort(marks.begin(), marks.end());
  return marks;
}

LoadedDlls LoadedBy(const fs::path& log, const std::string& program) {
  std::ifstream in(log);
  const std::string marker = "trace:loaddll:build_module Loaded L\"";
  std::string pid;
  LoadedDlls loaded;
  for (std::string line; std::getline(in, line);) {
    const auto at = line.find(marker);
    if (at == std::string::npos) continue;
    // The path as Wine writes it, each backslash doubled.
    std::string path;
    for (auto c = line.begin() + static_cast<long>(at + marker.size()); c != line.end() && *c != '"'; ++c) {
      if (*c == '\\' && c + 1 != line.end()) ++c;
      path.push_back(*c);
    }
    path = Lower(path);
    const std::string folder = path.substr(0, path.find_last_of('\\') + 1);
    std::string name = path.substr(folder.size());
    const std::string from = line.substr(0, line.find(':'));
    if (pid.empty() && name == Lower(program)) {
      pid = from;
      loaded.programFolder = folder;
      continue;
    }
    if (from != pid) continue;
    if (name.size() > 4 && name.substr(name.size() - 4) == ".dll") name.resize(name.size() - 4);
    loaded.from.emplace_back(folder, name);
  }
  return loaded;
}

std::vector<std::string> PlantingGaps(const LoadedDlls& loaded, const std::vector<std::string>& planted,
                                      const std::set<std::string>& exempt) {
  std::vector<std::string> gaps;
  if (loaded.programFolder.empty()) gaps.push_back("the program was never loaded");
  std::set<std::string> names;
  for (const auto& [from, name] : loaded.from) {
    if (from == loaded.programFolder) gaps.push_back(name + " was loaded from the program's folder");
    names.insert(name);
  }
  for (const std::string& name : names) {
    if (!Contains(planted, name) && !Contains(kWinesStartDlls, name) && kSystemsOwnDlls.count(name) == 0 &&
        exempt.count(name) == 0) {
      gaps.push_back(name + " was loaded but not planted");
    }
  }
  for (const std::string& name : planted) {
    if (names.count(name) == 0) gaps.push_back(name + " was planted but never loaded");
  }
  return gaps;
}

}  // namespace velmora
