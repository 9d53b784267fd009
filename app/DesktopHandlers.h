#pragma once

#include <string>
#include <vector>

namespace vantor {

/// The folders of the desktop's base-directory convention that hold its
/// handler choices (mimeapps.list) and its applications (*.desktop).
struct XdgFolders {
  std::string configHome;               ///< $XDG_CONFIG_HOME, or ~/.config
  std::vector<std::string> configDirs;  ///< $XDG_CONFIG_DIRS, or /etc/xdg
  std::string dataHome;                 ///< $XDG_DATA_HOME, or ~/.local/share
  std::vector<std::string> dataDirs;    ///< $XDG_DATA_DIRS, or /usr/local/share and /usr/share
};

/// The folders named by the process's environment, with the convention's defaults.
XdgFolders XdgFoldersFromEnvironment();

/// The Exec command line of the default application for `mimeType`: the first
/// entry of the "Default Applications" lists (user's first) whose desktop file
/// is found and has an Exec line. Empty when there is none.
std::string DefaultHandlerCommand(const std::string& mimeType, const XdgFolders& folders);

/// The first command of a $BROWSER value (commands are separated by ':'); empty for an empty value.
std::string FirstBrowserCommand(const std::string& browserVariable);

}  // namespace vantor
