#pragma once

// Waiting for files to change, through the kernel's notifications on their
// folders (inotify): an editor that saves by writing a new file and renaming
// it over the old one is seen as well as one that writes in place.

#include "files/disk/UniqueFd.h"

#include <chrono>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace vantor::bake {

class FileWatch {
 public:
  /// Watches `paths` (files that may not exist yet: their folders are watched).
  explicit FileWatch(const std::vector<std::string>& paths);

  /// Watches `paths` too; changes to the others since the last Wait are still told.
  void Add(const std::vector<std::string>& paths);

  /// False when the kernel gives no notifications (then Wait returns at once).
  bool Usable() const { return fd_.Valid(); }

  /// Blocks until one of the paths is written, replaced, created or removed, then
  /// until no change has come for `settle`; the paths that changed, as given.
  std::set<std::string> Wait(std::chrono::milliseconds settle);

 private:
  files::UniqueFd fd_;
  std::map<int, std::map<std::string, std::string>> names_;  // watch -> file name in its folder -> path as given
};

}  // namespace vantor::bake
