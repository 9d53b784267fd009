#include "files/disk/Temporaries.h"

#include <limits.h>
#include <unistd.h>

#include <atomic>
#include <charconv>
#include <cstring>

namespace vantor::files {

namespace {

// Slots a signal handler can read without allocating: a path is copied in
// before its slot is marked used, and the handler only reads used slots.
struct Slot {
  std::atomic<bool> used{false};
  char path[PATH_MAX] = {};
};
constexpr int kSlots = 64;
Slot slots[kSlots];

constexpr int kHeldSignals[] = {SIGTERM, SIGINT, SIGHUP};

// -1: 128 + the signal's number.
volatile sig_atomic_t signalExitStatus = -1;

extern "C" void RemoveAndExit(int signal) {
  for (Slot& slot : slots) {
    if (slot.used.load(std::memory_order_acquire)) ::unlink(slot.path);
  }
  ::_exit(signalExitStatus >= 0 ? signalExitStatus : 128 + signal);
}

sigset_t HeldSet() {
  sigset_t set;
  sigemptyset(&set);
  for (const int signal : kHeldSignals) sigaddset(&set, signal);
  return set;
}

}  // namespace

std::string TemporaryPath(const std::string& folder, std::string_view kind) {
  static std::atomic<unsigned> counter{0};
  return folder + "/" + std::string(kTemporaryPrefix) + std::to_string(::getpid()) + "-" +
         std::to_string(counter.fetch_add(1)) + "." + std::string(kind);
}

pid_t TemporaryOwner(std::string_view name) {
  if (!name.starts_with(kTemporaryPrefix)) return 0;
  name.remove_prefix(kTemporaryPrefix.size());
  pid_t pid = 0;
  const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), pid);
  if (error != std::errc() || pid <= 0 || end == name.data() + name.size() || *end != '-') return 0;
  return pid;
}

void TrackTemporary(const std::string& path) {
  if (path.size() >= PATH_MAX) return;
  for (Slot& slot : slots) {
    if (slot.used.load(std::memory_order_acquire)) continue;
    std::memcpy(slot.path, path.c_str(), path.size() + 1);
    slot.used.store(true, std::memory_order_release);
    return;
  }
}

void UntrackTemporary(const std::string& path) {
  for (Slot& slot : slots) {
    if (slot.used.load(std::memory_order_acquire) && path == slot.path) {
      slot.used.store(false, std::memory_order_release);
      return;
    }
  }
}

void SetSignalExitStatus(int status) { signalExitStatus = status; }

void RemoveTemporariesOnSignals() {
  struct sigaction action {};
  action.sa_handler = RemoveAndExit;
  // Every held signal is blocked while the handler runs, so it runs once.
  action.sa_mask = HeldSet();
  for (const int signal : kHeldSignals) ::sigaction(signal, &action, nullptr);
}

SignalsHeld::SignalsHeld() {
  const sigset_t held = HeldSet();
  ::pthread_sigmask(SIG_BLOCK, &held, &previous_);
}

SignalsHeld::~SignalsHeld() { ::pthread_sigmask(SIG_SETMASK, &previous_, nullptr); }

}  // namespace vantor::files
