#include "FileWatch.h"

#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

namespace vantor::bake {

namespace {

constexpr std::uint32_t kChanges = IN_CLOSE_WRITE | IN_MOVED_TO | IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_ATTRIB;

}  // namespace

FileWatch::FileWatch(const std::vector<std::string>& paths) : fd_(::inotify_init1(IN_CLOEXEC | IN_NONBLOCK)) {
  Add(paths);
}

void FileWatch::Add(const std::vector<std::string>& paths) {
  if (!fd_.Valid()) return;
  for (const std::string& path : paths) {
    const std::filesystem::path given(path);
    const std::string folder = given.has_parent_path() ? given.parent_path().string() : ".";
    const int watch = ::inotify_add_watch(fd_.Get(), folder.c_str(), kChanges);
    if (watch >= 0) names_[watch][given.filename().string()] = path;
  }
}

std::set<std::string> FileWatch::Wait(std::chrono::milliseconds settle) {
  std::set<std::string> changed;
  if (!fd_.Valid()) return changed;
  alignas(inotify_event) char buffer[16 * 1024];
  while (true) {
    pollfd ready{fd_.Get(), POLLIN, 0};
    // Until the first change, wait as long as it takes; after it, until changes stop.
    const int timeout = changed.empty() ? -1 : static_cast<int>(settle.count());
    const int polled = ::poll(&ready, 1, timeout);
    if (polled < 0 && errno == EINTR) continue;
    if (polled <= 0) return changed;
    const ssize_t size = ::read(fd_.Get(), buffer, sizeof buffer);
    if (size <= 0) continue;
    for (ssize_t at = 0; at < size;) {
      const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
      at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
      if (event->len == 0) continue;
      const auto folder = names_.find(event->wd);
      if (folder == names_.end()) continue;
      if (const auto name = folder->second.find(event->name); name != folder->second.end()) changed.insert(name->second);
    }
  }
}

}  // namespace vantor::bake
