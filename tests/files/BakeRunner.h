#pragma once

#include <sys/resource.h>
#include <sys/types.h>

#include <string>
#include <vector>

namespace vantor::files::test {

/// How a run of vantor-bake ended.
struct BakeRun {
  int status = -1;  ///< exit status; 128 + N when signal N ended it
  std::string out;
  std::string err;  ///< the first line of stderr (a sanitizer build may add a report after it)
};

/// What else a run gets.
struct BakeSetting {
  rlim_t sizeLimit = 0;             ///< RLIMIT_FSIZE, or 0 for none
  bool unprivileged = false;        ///< run as user nobody when the tests run as root
  std::vector<std::string> environment;  ///< NAME=VALUE pairs added to the environment
};

/// Runs vantor-bake with `args` and waits for it.
BakeRun Bake(const std::vector<std::string>& args, const BakeSetting& setting = {});
/// Runs vantor-bake with `args` under a file-size limit, as user nobody when `unprivileged`.
BakeRun Bake(const std::vector<std::string>& args, rlim_t sizeLimit, bool unprivileged = false);
/// Starts vantor-bake with `args` and `environment` (NAME=VALUE pairs added) and returns
/// at once; stdout and stderr go to /dev/null.
pid_t StartBake(const std::vector<std::string>& args, const std::vector<std::string>& environment = {});

/// The id of a process that has ended: a killed bake's files carry one.
pid_t DeadPid();

/// The options of a 32-pixel DejaVu Sans bake.
inline const std::vector<std::string> kDejaVu32 = {"--font", "DejaVu Sans", "--height", "32"};

/// `args` followed by `more`.
inline std::vector<std::string> operator+(std::vector<std::string> args, const std::vector<std::string>& more) {
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

}  // namespace vantor::files::test
