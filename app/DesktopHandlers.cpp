#include "app/DesktopHandlers.h"

#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>

namespace vantor {

namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::stringstream stream(text);
  std::string part;
  while (std::getline(stream, part, separator)) {
    if (!part.empty()) parts.push_back(part);
  }
  return parts;
}

std::string TrimLineEnd(std::string line) {
  while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) line.pop_back();
  return line;
}

// The value of `key` in section `section` of a desktop-style key file; nothing when absent.
std::optional<std::string> ReadKey(const std::string& path, const std::string& section, const std::string& key) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  std::string line;
  bool inSection = false;
  while (std::getline(file, line)) {
    line = TrimLineEnd(line);
    if (!line.empty() && line.front() == '[') {
      inSection = line == "[" + section + "]";
      continue;
    }
    if (!inSection) continue;
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos) continue;
    std::string name = TrimLineEnd(line.substr(0, equals));
    if (name != key) continue;
    std::size_t start = equals + 1;
    while (start < line.size() && line[start] == ' ') ++start;
    return line.substr(start);
  }
  return std::nullopt;
}

std::vector<std::string> ApplicationFolders(const XdgFolders& folders) {
  std::vector<std::string> result;
  if (!folders.dataHome.empty()) result.push_back(folders.dataHome + "/applications");
  for (const std::string& dir : folders.dataDirs) result.push_back(dir + "/applications");
  return result;
}

// The handler lists in the order the convention reads them: user's configuration first.
std::vector<std::string> HandlerLists(const XdgFolders& folders) {
  std::vector<std::string> lists;
  if (!folders.configHome.empty()) lists.push_back(folders.configHome + "/mimeapps.list");
  for (const std::string& dir : folders.configDirs) lists.push_back(dir + "/mimeapps.list");
  for (const std::string& dir : ApplicationFolders(folders)) {
    lists.push_back(dir + "/mimeapps.list");
    lists.push_back(dir + "/defaults.list");
  }
  return lists;
}

std::optional<std::string> ExecOf(const std::string& desktopId, const XdgFolders& folders) {
  // A desktop ID never leaves the applications folder.
  if (desktopId.find('/') != std::string::npos) return std::nullopt;
  for (const std::string& dir : ApplicationFolders(folders)) {
    std::optional<std::string> exec = ReadKey(dir + "/" + desktopId, "Desktop Entry", "Exec");
    if (exec && !exec->empty()) return exec;
  }
  return std::nullopt;
}

}  // namespace

XdgFolders XdgFoldersFromEnvironment() {
  const std::string home = Environment("HOME");
  XdgFolders folders;
  folders.configHome = Environment("XDG_CONFIG_HOME");
  if (folders.configHome.empty() && !home.empty()) folders.configHome = home + "/.config";
  folders.configDirs = Split(Environment("XDG_CONFIG_DIRS"), ':');
  if (folders.configDirs.empty()) folders.configDirs = {"/etc/xdg"};
  folders.dataHome = Environment("XDG_DATA_HOME");
  if (folders.dataHome.empty() && !home.empty()) folders.dataHome = home + "/.local/share";
  folders.dataDirs = Split(Environment("XDG_DATA_DIRS"), ':');
  if (folders.dataDirs.empty()) folders.dataDirs = {"/usr/local/share", "/usr/share"};
  return folders;
}

std::string DefaultHandlerCommand(const std::string& mimeType, const XdgFolders& folders) {
  for (const std::string& list : HandlerLists(folders)) {
    const std::optional<std::string> ids = ReadKey(list, "Default Applications", mimeType);
    if (!ids) continue;
    for (const std::string& id : Split(*ids, ';')) {
      if (std::optional<std::string> exec = ExecOf(id, folders)) return *exec;
    }
  }
  return {};
}

std::string FirstBrowserCommand(const std::string& browserVariable) {
  const std::vector<std::string> commands = Split(browserVariable, ':');
  return commands.empty() ? std::string() : commands.front();
}

}  // namespace vantor
