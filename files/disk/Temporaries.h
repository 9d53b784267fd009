#pragma once

#include <signal.h>

#include <string>
#include <string_view>

namespace vantor::files {

/// The start of every temporary name: ".vantor-<pid>-".
inline constexpr std::string_view kTemporaryPrefix = ".vantor-";

/// A path in `folder` that no other writer uses: "<folder>/.vantor-<pid>-<n>.<kind>",
/// the process id telling later saves whether its owner still runs.
std::string TemporaryPath(const std::string& folder, std::string_view kind);

/// The process id in a temporary file name, or 0 when `name` is not one.
pid_t TemporaryOwner(std::string_view name);

/// Remembers `path` to be removed if SIGTERM, SIGINT or SIGHUP ends the process.
void TrackTemporary(const std::string& path);
/// Forgets `path`: it was renamed into place or removed.
void UntrackTemporary(const std::string& path);

/// From now on SIGTERM, SIGINT and SIGHUP remove the tracked temporaries and
/// end the process with status 128 + the signal's number.
void RemoveTemporariesOnSignals();

/// The status such a signal ends the process with from now on (0..255), as when
/// being stopped is the normal end of a run; -1 gives back 128 + its number.
void SetSignalExitStatus(int status);

/// Holds SIGTERM, SIGINT and SIGHUP back while it lives, so no such signal can
/// come between steps that belong together; one that came meanwhile is handled after.
class SignalsHeld {
 public:
  SignalsHeld();
  ~SignalsHeld();
  SignalsHeld(const SignalsHeld&) = delete;
  SignalsHeld& operator=(const SignalsHeld&) = delete;

 private:
  sigset_t previous_{};
};

}  // namespace vantor::files
