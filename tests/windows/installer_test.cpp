// A Windows installer of Velmora as a user meets it, signed as a release
// is, under Wine in the prefix of its architecture that the run names and
// on a test desktop of its own: run from a Downloads folder that holds
// planted DLLs, installed silently (/S) for all users, the installed
// program started from the Start menu and its chart shown, then
// uninstalled silently; installed for the current user alone and
// uninstalled; and installed and uninstalled over a running chart. The
// suites run in order, each leaving the prefix as it found it.

#include <fcntl.h>
#include <sys/stat.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "bounded_end.h"
#include "planted_dlls.h"
#include "wine_environment.h"
#include "x_desktop.h"
#include "x_windows.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using std::chrono::seconds;

// The run's files, the 64-bit or the 32-bit release's, and the prefix it
// installs in, from its environment.
std::string Setting(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}
const std::string kInstaller = Setting("VELMORA_INSTALLER");
const std::string kUninstallerBuilt = Setting("VELMORA_UNINSTALLER");
const std::string kProgramBuilt = Setting("VELMORA_WINDOWS_EXE");
const std::string kPlantedDll = Setting("VELMORA_PLANTED_DLL");
const fs::path kPrefix = Setting("VELMORA_WINE_PREFIX");
// Wine's loader of the installer's architecture.
const std::string kWine = Setting("VELMORA_WINE");
const fs::path kDriveC = kPrefix / "drive_c";
const std::string kInstallFolder = R"(C:\Program Files\Velmora)";
const std::string kProgram = kInstallFolder + R"(\Velmora.exe)";
const std::string kUninstaller = kInstallFolder + R"(\Uninstall.exe)";
const std::string kUninstallKey = R"(HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmora)";
// The same places as the prefix holds them.
const fs::path kInstalledProgram = kDriveC / "Program Files/Velmora/Velmora.exe";
const fs::path kShortcut = kDriveC / "ProgramData/Microsoft/Windows/Start Menu/Programs/Аккорды.lnk";
// The chart's title.
const std::string kChartTitle = "Аккорды";

const XDesktop* desktop = nullptr;
XWindows* server = nullptr;

struct Outcome {
  bool ended = false;  // within the time allowed
  int status = -1;     // the exit status, when it ended by exiting
  std::string output;  // what it wrote to its standard output
};

// Waits up to `limit` for a child process to end; its exit status, or
// nothing.
std::optional<int> AwaitExit(pid_t pid, Clock::duration limit) {
  for (const auto deadline = Clock::now() + limit;;) {
    int status = 0;
    const pid_t done = waitpid(pid, &status, WNOHANG);
    if (done == pid) return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (done < 0 && errno != EINTR) return -1;
    if (Clock::now() >= deadline) return std::nullopt;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

// Runs a command with `environment` added to this process's, its standard
// output going to a file that is read once it has ended, so that what it
// leaves running (Wine's server and services) cannot keep the reading
// waiting; its standard error to the file `errors` where one is named.
// Killed if it has not ended within `limit`.
Outcome Execute(const std::vector<std::string>& command, const Environment& environment, seconds limit,
                const fs::path& errors = {}) {
  Outcome outcome;
  std::FILE* output = std::tmpfile();
  if (output == nullptr) return outcome;
  std::vector<char*> argv;
  for (const std::string& argument : command) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  const pid_t pid = fork();
  if (pid == 0) {
    for (const auto& [name, value] : environment) setenv(name.c_str(), value.c_str(), 1);
    dup2(open("/dev/null", O_RDONLY), STDIN_FILENO);
    dup2(fileno(output), STDOUT_FILENO);
    if (!errors.empty()) dup2(open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), STDERR_FILENO);
    // Nothing of this process's own, such as its X connection, is handed on
    // to Wine's server.
    for (int fd = 3; fd < 256; ++fd) close(fd);
    execvp(argv[0], argv.data());
    _exit(127);
  }
  if (pid > 0) {
    if (const std::optional<int> status = AwaitExit(pid, limit)) {
      outcome.ended = true;
      outcome.status = *status;
    } else {
      kill(pid, SIGKILL);
      AwaitExit(pid, seconds(5));
    }
    std::rewind(output);
    for (int c; (c = std::fgetc(output)) != EOF;) outcome.output.push_back(static_cast<char>(c));
  }
  std::fclose(output);
  return outcome;
}

// A Wine program run with `environment` added to the prefix's.
Outcome Wine(const std::vector<std::string>& arguments, const Environment& environment = {},
             const fs::path& errors = {}) {
  std::vector<std::string> command{kWine};
  command.insert(command.end(), arguments.begin(), arguments.end());
  return Execute(command, Overlaid(WineEnvironment(*desktop, kPrefix.string()), environment), seconds(60), errors);
}

std::string Status(const Outcome& outcome) {
  return outcome.ended ? "exit status " + std::to_string(outcome.status) : std::string("timed out");
}

// Waits until every process of the prefix has ended and its server with
// them, which writes the registry back to the prefix's files.
bool WineEnded() {
  return Execute({VELMORA_WINESERVER, "--wait"}, WineEnvironment(*desktop, kPrefix.string()), seconds(60)).ended;
}

// Whether a path under drive_c is one of the temporary folders that Windows
// and Wine fill and empty as they go (windows/temp, users/*/Temp,
// users/*/AppData/Local/Temp), or lies inside one.
bool Temporary(const fs::path& relative) {
  std::vector<std::string> parts;
  for (const fs::path& part : relative) {
    std::string name = part.string();
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
    parts.push_back(name);
  }
  const auto starts = [&](std::vector<std::string> head) {
    if (parts.size() < head.size()) return false;
    for (std::size_t i = 0; i < head.size(); ++i) {
      if (head[i] != "*" && head[i] != parts[i]) return false;
    }
    return true;
  };
  return starts({"windows", "temp"}) || starts({"users", "*", "temp"}) ||
         starts({"users", "*", "appdata", "local", "temp"});
}

// Every file and folder on the prefix's drive C: but the temporary ones.
std::set<std::string> DriveContents() {
  std::set<std::string> contents;
  for (auto entry = fs::recursive_directory_iterator(kDriveC); entry != fs::recursive_directory_iterator(); ++entry) {
    const fs::path relative = entry->path().lexically_relative(kDriveC);
    if (Temporary(relative)) {
      entry.disable_recursion_pending();
      continue;
    }
    contents.insert(relative.generic_string());
  }
  return contents;
}

// The registry keys, as the prefix's files hold them, that name Velmora or
// lie under the uninstall entries.
std::set<std::string> VelmoraKeys() {
  std::set<std::string> keys;
  for (const char* file : {"system.reg", "user.reg", "userdef.reg"}) {
    std::ifstream in(kPrefix / file);
    for (std::string line; std::getline(in, line);) {
      if (line.empty() || line.front() != '[') continue;
      std::string key = line.substr(0, line.find(']') + 1);
      std::string lower = key;
      std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
      if (lower.find("velmora") != std::string::npos ||
          lower.find(R"(\\currentversion\\uninstall\\)") != std::string::npos) {
        keys.insert(std::string(file) + " " + key);
      }
    }
  }
  return keys;
}

// What one set has that the other has not.
std::set<std::string> Difference(const std::set<std::string>& from, const std::set<std::string>& in) {
  std::set<std::string> difference;
  std::set_difference(from.begin(), from.end(), in.begin(), in.end(), std::inserter(difference, difference.end()));
  return difference;
}

// Entries one a line.
template <typename Entries>
std::string Lines(const Entries& entries) {
  std::string text;
  for (const std::string& entry : entries) text += "  " + entry + "\n";
  return text.empty() ? "  nothing\n" : text;
}

// What one set has that the other has not, one entry a line.
std::string Missing(const std::set<std::string>& from, const std::set<std::string>& in) {
  return Lines(Difference(from, in));
}

std::string FileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The images of an icon file, each as its bytes.
std::vector<std::string> IconImages(const std::string& ico) {
  std::vector<std::string> images;
  const auto number = [&](std::size_t at, int bytes) {
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) value = value << 8 | static_cast<std::uint8_t>(ico[at + i]);
    return value;
  };
  if (ico.size() < 6) return images;
  const std::uint32_t count = number(4, 2);
  for (std::uint32_t i = 0; i < count && 6 + 16 * (i + 1) <= ico.size(); ++i) {
    const std::size_t entry = 6 + 16 * i;
    const std::uint32_t size = number(entry + 8, 4), offset = number(entry + 12, 4);
    if (offset + size <= ico.size()) images.push_back(ico.substr(offset, size));
  }
  return images;
}

// The icon a Windows program shows for itself, its first icon group, as an
// icon file.
std::string ProgramIcon(const fs::path& program) {
  return Execute({VELMORA_WRESTOOL, "--extract", "--type=14", program.string()}, {}, seconds(30)).output;
}

// A version record's strings and numbers as text: the UTF-16 characters,
// ASCII only, each run of NULs between them as one '|'; the fixed part's
// numbers unreadable, but its signature's bytes kept in place.
std::string VersionText(const std::string& record) {
  std::string text;
  for (std::size_t i = 0; i + 1 < record.size(); i += 2) {
    const unsigned c = static_cast<std::uint8_t>(record[i]) | static_cast<std::uint8_t>(record[i + 1]) << 8;
    if (c == 0) {
      if (text.empty() || text.back() != '|') text.push_back('|');
    } else {
      text.push_back(c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '?');
    }
  }
  return text;
}

// A shell link's target and icon, read from the .lnk file's own bytes
// (the Shell Link Binary File Format): the target's local path from the
// link information, the icon's file from the string data and its index
// from the header.
struct ShellLink {
  std::string target;
  std::string iconFile;
  int iconIndex = -1;
};

std::optional<ShellLink> ReadShellLink(const std::string& bytes) {
  const auto u16 = [&](std::size_t at) -> std::optional<std::uint32_t> {
    if (at + 2 > bytes.size()) return std::nullopt;
    return static_cast<std::uint8_t>(bytes[at]) | static_cast<std::uint8_t>(bytes[at + 1]) << 8;
  };
  const auto u32 = [&](std::size_t at) -> std::optional<std::uint32_t> {
    const auto low = u16(at), high = u16(at + 2);
    if (!low || !high) return std::nullopt;
    return *low | *high << 16;
  };
  constexpr std::uint32_t kHasIdList = 0x01, kHasLinkInfo = 0x02, kIsUnicode = 0x80;
  const auto headerSize = u32(0), flags = u32(0x14), iconIndex = u32(0x38);
  if (headerSize != 0x4CU || !flags || !iconIndex) return std::nullopt;
  ShellLink link;
  link.iconIndex = static_cast<std::int32_t>(*iconIndex);
  std::size_t at = 0x4C;
  if (*flags & kHasIdList) {
    const auto size = u16(at);
    if (!size) return std::nullopt;
    at += 2 + *size;
  }
  if (*flags & kHasLinkInfo) {
    const auto size = u32(at), infoFlags = u32(at + 8), pathOffset = u32(at + 16), suffixOffset = u32(at + 24);
    if (!size || !infoFlags || !pathOffset || !suffixOffset || at + *size > bytes.size()) return std::nullopt;
    // VolumeIDAndLocalBasePath: the local path, then the common suffix.
    if (*infoFlags & 1) {
      const std::string info = bytes.substr(at, *size);
      link.target = info.c_str() + std::min<std::size_t>(*pathOffset, info.size());
      link.target += info.c_str() + std::min<std::size_t>(*suffixOffset, info.size());
    }
    at += *size;
  }
  // The strings, each present when its flag is: name, relative path,
  // working folder, arguments, icon file. A count of characters, then
  // the characters; some writers count a closing NUL.
  for (const std::uint32_t flag : {0x04U, 0x08U, 0x10U, 0x20U, 0x40U}) {
    if (!(*flags & flag)) continue;
    const auto count = u16(at);
    if (!count) return std::nullopt;
    at += 2;
    const std::size_t width = (*flags & kIsUnicode) ? 2 : 1;
    if (at + *count * width > bytes.size()) return std::nullopt;
    std::string text;
    for (std::size_t i = 0; i < *count; ++i) {
      const std::uint32_t c = width == 2 ? *u16(at + 2 * i) : static_cast<std::uint8_t>(bytes[at + i]);
      if (c == 0) break;
      // The paths looked for are ASCII; anything else shows as '?'.
      text.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    }
    at += *count * width;
    if (flag == 0x40U) link.iconFile = text;
  }
  return link;
}

// The values of a registry key as `reg query` lists them: name to type and
// data.
std::map<std::string, std::pair<std::string, std::string>> RegistryValues(const std::string& listing) {
  std::map<std::string, std::pair<std::string, std::string>> values;
  const std::regex line(R"(^ {4}(\S+) {4}(REG_\w+) {4}(.*?)\r?$)");
  std::istringstream in(listing);
  for (std::string text; std::getline(in, text);) {
    std::smatch match;
    if (std::regex_match(text, match, line)) values[match[1]] = {match[2], match[3]};
  }
  return values;
}

// Planted beside the installer and the uninstaller: every DLL that NSIS's
// program loads but the system's own and Wine's start (planted_dlls.h).
const std::vector<std::string> kPlantedBesideNsis = {"comctl32", "userenv", "apphelp", "propsys",
                                                     "dwmapi",   "oleacc",  "shfolder"};
// Loaded by NSIS's program whatever is planted, not from its folder: the
// theming library, which Wine's comctl32, a static import of NSIS's stub,
// loads before the stub's first instruction; and NSIS's own plugins, by
// their full paths in its temporary folder.
const std::set<std::string> kNsisExempt = {"uxtheme", "system", "userinfo"};
// The Downloads folder the programs are run from, beside the prefix.
const fs::path kDownloads = kPrefix.string() + "-downloads";

// What a run of a program from Downloads, a fake under each planted name
// beside it, did and loaded.
struct PlantedRun {
  Outcome outcome;
  std::vector<std::string> plantedLoaded;
  std::vector<std::string> gaps;
};

PlantedRun RunBesidePlanted(const fs::path& program, const std::vector<std::string>& arguments) {
  PlantBeside(kDownloads, program, kPlantedDll, kPlantedBesideNsis);
  const fs::path log = kDownloads.string() + ".log";
  const Environment environment = {
      {"WINEDLLOVERRIDES", PreferringPlanted(WineEnvironment(*desktop, kPrefix.string())["WINEDLLOVERRIDES"],
                                             kPlantedBesideNsis)},
      {"WINEDEBUG", "+pid,+loaddll"}};
  std::vector<std::string> command{(kDownloads / program.filename()).string()};
  command.insert(command.end(), arguments.begin(), arguments.end());
  PlantedRun run;
  run.outcome = Wine(command, environment, log);
  WineEnded();
  run.plantedLoaded = PlantedLoaded(kDownloads);
  run.gaps = PlantingGaps(LoadedBy(log, program.filename().string()), kPlantedBesideNsis, kNsisExempt);
  return run;
}

// Starts the program at the Windows path `program` and waits until its
// chart is shown; the process, or -1, having failed, where none showed.
pid_t StartChart(const std::string& program) {
  const pid_t pid = Spawn({kWine, program}, WineEnvironment(*desktop, kPrefix.string()), -1, Output::kShown);
  for (const auto deadline = Clock::now() + seconds(60); Clock::now() < deadline;) {
    if (!server->ClientsTitled(kChartTitle).empty()) return pid;
    if (AwaitExit(pid, Clock::duration::zero())) {
      ADD_FAILURE() << program << " exited without showing a chart titled " << kChartTitle;
      return -1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  ADD_FAILURE() << program << " showed no chart titled " << kChartTitle;
  Stop(pid, "Velmora.exe");
  return -1;
}

// The request for rights in a Windows program's manifest.
std::string ExecutionLevel(const fs::path& program) {
  const std::string manifest =
      Execute({VELMORA_WRESTOOL, "--extract", "--raw", "--type=24", program.string()}, {}, seconds(30)).output;
  std::smatch level;
  std::regex_search(manifest, level, std::regex(R"re(requestedExecutionLevel\s+level="(\w+)")re"));
  return level.empty() ? "none" : level[1].str();
}

// Two sets the same; where not, what each has that the other has not,
// under the headings given.
void ExpectSameSet(const std::set<std::string>& actual, const std::set<std::string>& expected,
                   const std::string& onlyActual, const std::string& onlyExpected) {
  EXPECT_TRUE(actual == expected) << onlyActual << ":\n"
                                  << Missing(actual, expected) << onlyExpected << ":\n"
                                  << Missing(expected, actual);
}

// Drive C: holds `contents`, no more and no less.
void ExpectDriveHolds(const std::set<std::string>& contents) {
  ExpectSameSet(DriveContents(), contents, "left behind", "taken away");
}

// The prefix as it was before an installation: every file and key the same.
void ExpectAsBefore(const std::set<std::string>& contentsBefore, const std::set<std::string>& keysBefore) {
  ExpectDriveHolds(contentsBefore);
  ExpectSameSet(VelmoraKeys(), keysBefore, "left behind", "taken away");
}

// An installation that its suite makes once, as the prefix was before it.
class Installation : public testing::Test {
 protected:
  // The prefix as the installer found it, then installs as `install` runs
  // the installer.
  static void Install(const std::function<Outcome()>& run) {
    setUpFailure.clear();
    if (!WineEnded()) {
      setUpFailure = "the prefix's Wine server did not end";
      return;
    }
    contentsBefore = DriveContents();
    keysBefore = VelmoraKeys();
    const Outcome install = run();
    if (!install.ended || install.status != 0) {
      setUpFailure = "the installer did not finish: " + Status(install);
      return;
    }
    if (!WineEnded()) setUpFailure = "the installer's Wine server did not end";
    contentsInstalled = DriveContents();
  }

  // Ends whatever Wine left running in the prefix, as the other tests of
  // the prefix expect to find it.
  static void TearDownTestSuite() {
    Execute({VELMORA_WINESERVER, "--kill"}, WineEnvironment(*desktop, kPrefix.string()), seconds(30));
    WineEnded();
  }

  void SetUp() override { ASSERT_EQ(setUpFailure, "") << "installing failed"; }

  // The installation added `expected` to drive C:, and nothing else.
  static void ExpectAdded(const std::set<std::string>& expected) {
    ExpectSameSet(Difference(contentsInstalled, contentsBefore), expected, "added but not expected",
                  "expected but not added");
  }

  static std::string setUpFailure;
  static std::set<std::string> contentsBefore;
  static std::set<std::string> contentsInstalled;
  static std::set<std::string> keysBefore;
};

std::string Installation::setUpFailure;
std::set<std::string> Installation::contentsBefore;
std::set<std::string> Installation::contentsInstalled;
std::set<std::string> Installation::keysBefore;

// Installed silently for all users, as it is where the user may: the
// installer run from Downloads with DLLs planted beside it.
class WindowsInstaller : public Installation {
 protected:
  static void SetUpTestSuite() {
    Install([] {
      planted = RunBesidePlanted(kInstaller, {"/S"});
      return planted.outcome;
    });
  }

  static PlantedRun planted;
};

PlantedRun WindowsInstaller::planted;

TEST_F(WindowsInstaller, LoadsNoDllPlantedBesideIt) {
  EXPECT_EQ(planted.plantedLoaded, std::vector<std::string>{});
  EXPECT_TRUE(planted.gaps.empty()) << Lines(planted.gaps);
}

TEST_F(WindowsInstaller, InstallsTheProgramItsUninstallerAndTheShortcutOnly) {
  const std::set<std::string> expected = {
      "Program Files/Velmora",
      "Program Files/Velmora/Velmora.exe",
      "Program Files/Velmora/Uninstall.exe",
      "ProgramData/Microsoft/Windows/Start Menu/Programs/Аккорды.lnk",
  };
  ExpectAdded(expected);
  EXPECT_TRUE(std::includes(contentsInstalled.begin(), contentsInstalled.end(), contentsBefore.begin(),
                            contentsBefore.end()))
      << "the installer took away:\n"
      << Missing(contentsBefore, contentsInstalled);
  // The very programs the build made and signed, not others.
  EXPECT_TRUE(FileBytes(kInstalledProgram) == FileBytes(kProgramBuilt))
      << kInstalledProgram << " differs from " << kProgramBuilt;
  const fs::path installedUninstaller = kInstalledProgram.parent_path() / "Uninstall.exe";
  EXPECT_TRUE(FileBytes(installedUninstaller) == FileBytes(kUninstallerBuilt))
      << installedUninstaller << " differs from " << kUninstallerBuilt;
}

// The installer and the uninstaller show the program's microphone, and the
// installer's version record names the product, its version and its maker.
TEST_F(WindowsInstaller, InstallerAndUninstallerCarryTheProgramsIconAndVersion) {
  const std::vector<std::string> microphone = IconImages(FileBytes(VELMORA_PROGRAM_ICON));
  ASSERT_FALSE(microphone.empty()) << VELMORA_PROGRAM_ICON;
  EXPECT_TRUE(IconImages(ProgramIcon(kInstaller)) == microphone) << "the installer's icon";
  EXPECT_TRUE(IconImages(ProgramIcon(kInstalledProgram.parent_path() / "Uninstall.exe")) == microphone)
      << "the uninstaller's icon";

  const Outcome record =
      Execute({VELMORA_WRESTOOL, "--extract", "--raw", "--type=16", kInstaller}, {}, seconds(30));
  // VS_FIXEDFILEINFO: its signature, its layout's version, then the file's
  // and the product's version, each as two 32-bit numbers, the high one
  // first.
  unsigned part[4] = {};
  ASSERT_EQ(std::sscanf(VELMORA_VERSION, "%u.%u.%u.%u", &part[0], &part[1], &part[2], &part[3]), 4);
  std::string version;
  for (const unsigned word : {part[1], part[0], part[3], part[2]}) version += {char(word & 0xFF), char(word >> 8)};
  const std::size_t fixed = record.output.find("\xBD\x04\xEF\xFE");
  EXPECT_TRUE(fixed != std::string::npos && record.output.substr(fixed + 8, 16) == version + version)
      << "the installer's version record does not give " << VELMORA_VERSION;
  const std::string text = VersionText(record.output);
  for (const std::string pair : {"ProductName|Velmora|", "CompanyName|Velmora team|",
                                 "ProductVersion|" VELMORA_VERSION "|", "FileVersion|" VELMORA_VERSION "|"}) {
    EXPECT_NE(text.find(pair), std::string::npos) << "the installer's version record lacks " << pair << ": " << text;
  }
}

TEST_F(WindowsInstaller, StartMenuShortcutOpensTheProgramWithItsIcon) {
  const std::optional<ShellLink> link = ReadShellLink(FileBytes(kShortcut));
  ASSERT_TRUE(link) << kShortcut << " is not a shell link";
  EXPECT_EQ(link->target, kProgram);
  // The program's own icon, the microphone: its first icon group.
  EXPECT_EQ(link->iconFile, kProgram);
  EXPECT_EQ(link->iconIndex, 0);
}

TEST_F(WindowsInstaller, RegistersItsUninstallerWithSettings) {
  const Outcome query = Wine({"reg", "query", kUninstallKey});
  EXPECT_TRUE(WineEnded());
  ASSERT_TRUE(query.ended && query.status == 0) << kUninstallKey << " is missing:\n" << query.output;
  auto values = RegistryValues(query.output);
  using Value = std::pair<std::string, std::string>;
  EXPECT_EQ(values["DisplayName"], Value("REG_SZ", "Velmora"));
  EXPECT_EQ(values["DisplayVersion"], Value("REG_SZ", VELMORA_VERSION));
  EXPECT_EQ(values["Publisher"], Value("REG_SZ", "Velmora team"));
  EXPECT_EQ(values["DisplayIcon"], Value("REG_SZ", kProgram + ",0"));
  EXPECT_EQ(values["InstallLocation"], Value("REG_SZ", kInstallFolder));
  EXPECT_EQ(values["UninstallString"], Value("REG_SZ", "\"" + kUninstaller + "\""));
  EXPECT_EQ(values["QuietUninstallString"], Value("REG_SZ", "\"" + kUninstaller + "\" /S"));
  EXPECT_EQ(values["NoModify"], Value("REG_DWORD", "0x1"));
  EXPECT_EQ(values["NoRepair"], Value("REG_DWORD", "0x1"));
  // In KiB: at least the program's own size.
  EXPECT_EQ(values["EstimatedSize"].first, "REG_DWORD");
  EXPECT_GE(std::strtoul(values["EstimatedSize"].second.c_str(), nullptr, 16), fs::file_size(kProgramBuilt) / 1024);
}

// Neither asks for administrator rights: a user who has them is asked to
// give them, one who has not runs both as himself.
TEST_F(WindowsInstaller, AsksForNoMoreThanTheRightsTheUserHas) {
  EXPECT_EQ(ExecutionLevel(kInstaller), "highestAvailable");
  EXPECT_EQ(ExecutionLevel(kUninstallerBuilt), "highestAvailable");
}

// Started as the Start menu starts it: the shell opens the shortcut, and
// the program's chart is shown until it is closed as its title bar's close
// button closes it, the window manager asking the window to close.
TEST_F(WindowsInstaller, StartMenuShortcutStartsTheProgram) {
  const Outcome start = Wine({"start", R"(C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Аккорды.lnk)"});
  EXPECT_TRUE(start.ended && start.status == 0) << "the shell did not open the shortcut: " << Status(start);
  const xcb_window_t chart = server->WaitForClientTitled(kChartTitle, std::chrono::seconds(60));
  ASSERT_NE(chart, XCB_WINDOW_NONE) << "the shortcut started no chart titled " << kChartTitle;
  std::ostringstream id;
  id << "0x" << std::hex << chart;
  EXPECT_EQ(Execute({"wmctrl", "-i", "-c", id.str()}, desktop->ClientEnvironment(), seconds(10)).status, 0);
  EXPECT_TRUE(WineEnded()) << "the program did not end once closed";
}

TEST_F(WindowsInstaller, UninstallerTakesAwayAllItMadeAndNothingElse) {
  // A file of the user's own in the program's folder stays, and with it
  // the folder.
  const fs::path usersFile = kInstalledProgram.parent_path() / "Мои аккорды.txt";
  std::ofstream(usersFile) << "Am F C G\n";
  const Outcome uninstall = Wine({kUninstaller, "/S"});
  EXPECT_TRUE(uninstall.ended && uninstall.status == 0) << "the uninstaller did not finish: " << Status(uninstall);
  // What it leaves to its copy in the temporary folder ends with the
  // prefix's processes.
  EXPECT_TRUE(WineEnded()) << "the uninstaller did not end";
  std::set<std::string> expected = contentsBefore;
  expected.insert({"Program Files/Velmora", "Program Files/Velmora/Мои аккорды.txt"});
  ExpectAsBefore(expected, keysBefore);
  // The prefix as the installer found it, for the other tests.
  std::error_code ignored;
  fs::remove(usersFile, ignored);
  fs::remove(usersFile.parent_path(), ignored);
}

// The uninstaller from Downloads, with no installation beside it: it takes
// away nothing but itself, and loads nothing planted there.
TEST_F(WindowsInstaller, UninstallerLoadsNoDllPlantedBesideIt) {
  const PlantedRun run = RunBesidePlanted(kUninstallerBuilt, {"/S"});
  EXPECT_TRUE(run.outcome.ended && run.outcome.status == 0) << Status(run.outcome);
  EXPECT_EQ(run.plantedLoaded, std::vector<std::string>{});
  EXPECT_TRUE(run.gaps.empty()) << Lines(run.gaps);
  EXPECT_FALSE(fs::exists(kDownloads / "Uninstall.exe"));
  ExpectAsBefore(contentsBefore, keysBefore);
}

// Installed silently for the current user alone, started, installed again
// and uninstalled while its chart is open: closed each time and replaced
// or taken away, or left as it was, with a status that says so, where it
// does not close.
class ForTheCurrentUser : public Installation {
 protected:
  static void SetUpTestSuite() {
    Install([] { return Wine({kInstaller, "/CurrentUser", "/S"}); });
    // The user's profile, named after the user who made the prefix.
    for (const auto& entry : fs::directory_iterator(kDriveC / "users")) {
      if (fs::exists(entry.path() / "AppData/Local/Programs/Velmora")) {
        userFolder = entry.path().lexically_relative(kDriveC).generic_string();
      }
    }
    programFolder = userFolder + "/AppData/Local/Programs/Velmora";
    installedProgram = kDriveC / programFolder / "Velmora.exe";
    programPath = "C:\\" + programFolder;
    std::replace(programPath.begin(), programPath.end(), '/', '\\');
  }

  static std::string userFolder;
  // As drive C: holds it, as the prefix has it, and as Windows names it.
  static std::string programFolder;
  static fs::path installedProgram;
  static std::string programPath;
};

std::string ForTheCurrentUser::userFolder;
std::string ForTheCurrentUser::programFolder;
fs::path ForTheCurrentUser::installedProgram;
std::string ForTheCurrentUser::programPath;

TEST_F(ForTheCurrentUser, InstallsInTheUsersOwnFoldersAndNothingForAllUsers) {
  // The user's programs folder is made where there is none, as in a new
  // profile.
  const std::set<std::string> expected = {
      userFolder + "/AppData/Local/Programs",
      programFolder,
      programFolder + "/Velmora.exe",
      programFolder + "/Uninstall.exe",
      userFolder + "/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Аккорды.lnk",
  };
  ExpectAdded(expected);
  // Its entry in the user's registry alone.
  EXPECT_EQ(Difference(VelmoraKeys(), keysBefore),
            (std::set<std::string>{R"(user.reg [Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Velmora])"}));
  const Outcome query = Wine({"reg", "query", R"(HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmora)"});
  EXPECT_EQ(RegistryValues(query.output)["InstallLocation"].second, programPath);
  EXPECT_TRUE(FileBytes(installedProgram) == FileBytes(kProgramBuilt));
}

TEST_F(ForTheCurrentUser, InstallingOverTheOpenChartClosesItAndReplacesTheProgram) {
  const auto inode = [](const fs::path& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 ? info.st_ino : 0;
  };
  const ino_t installed = inode(installedProgram);
  const pid_t program = StartChart(programPath + R"(\Velmora.exe)");
  ASSERT_GT(program, 0);
  const Outcome again = Wine({kInstaller, "/S"});
  EXPECT_TRUE(again.ended && again.status == 0) << Status(again);
  EXPECT_EQ(AwaitExit(program, seconds(10)), 0) << "the chart was not closed";
  EXPECT_TRUE(WineEnded());
  // A new file in the program's place, the one the build made.
  EXPECT_NE(inode(installedProgram), installed);
  EXPECT_TRUE(FileBytes(installedProgram) == FileBytes(kProgramBuilt));
  ExpectDriveHolds(contentsInstalled);
}

// A chart that does not answer, its process stopped: the installer and the
// uninstaller each wait for it, then change nothing and say so.
TEST_F(ForTheCurrentUser, AChartThatDoesNotCloseLeavesTheInstallationAsItWas) {
  const pid_t program = StartChart(programPath + R"(\Velmora.exe)");
  ASSERT_GT(program, 0);
  kill(program, SIGSTOP);
  const std::string bytes = FileBytes(installedProgram);
  const std::set<std::string> keys = VelmoraKeys();
  const Outcome install = Wine({kInstaller, "/S"});
  EXPECT_TRUE(install.ended && install.status == 2) << "installing: " << Status(install);
  const Outcome uninstall = Wine({programPath + R"(\Uninstall.exe)", "/S"});
  EXPECT_TRUE(uninstall.ended && uninstall.status == 2) << "uninstalling: " << Status(uninstall);
  ExpectDriveHolds(contentsInstalled);
  EXPECT_TRUE(FileBytes(installedProgram) == bytes);
  // Let go, it takes the request to close it was sent.
  kill(program, SIGCONT);
  EXPECT_EQ(AwaitExit(program, seconds(30)), 0) << "the chart did not close once it answered";
  EXPECT_TRUE(WineEnded());
  EXPECT_TRUE(VelmoraKeys() == keys);
}

TEST_F(ForTheCurrentUser, UninstallingClosesTheOpenChartAndLeavesNothing) {
  const pid_t program = StartChart(programPath + R"(\Velmora.exe)");
  ASSERT_GT(program, 0);
  const Outcome uninstall = Wine({programPath + R"(\Uninstall.exe)", "/S"});
  EXPECT_TRUE(uninstall.ended && uninstall.status == 0) << Status(uninstall);
  EXPECT_EQ(AwaitExit(program, seconds(10)), 0) << "the chart was not closed";
  EXPECT_TRUE(WineEnded());
  ExpectAsBefore(contentsBefore, keysBefore);
}

}  // namespace
}  // namespace velmora

int main(int argc, char* argv[]) {
  testing::InitGoogleTest(&argc, argv);
  if (testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
  velmora::XDesktop desktop({"openbox"});
  velmora::XWindows server(desktop.Display());
  velmora::desktop = &desktop;
  velmora::server = &server;
  const int result = RUN_ALL_TESTS();
  velmora::EndWithin(std::chrono::seconds(30));
  return result;
}
