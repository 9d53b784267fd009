#include "BakeRunner.h"

#include "TestFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace vantor::files::test {

namespace {

constexpr uid_t kNobody = 65534;

[[noreturn]] void Exec(const std::vector<std::string>& args, const char* program = VANTOR_BAKE) {
  std::vector<char*> argv{const_cast<char*>(program)};
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  ::execv(program, argv.data());
  ::_exit(127);
}

// What an unprivileged child runs: copies of the program and of the leak
// suppressions in a folder every user can reach, since the build may lie in a
// folder only its owner can enter (a checkout made in `mktemp -d`, say).
struct ReachableCopies {
  TempDir dir;
  std::string bake = dir.Path("vantor-bake");
  std::string leakOptions;  // LSAN_OPTIONS=... naming the copied suppressions; empty when unset

  ReachableCopies() {
    std::error_code ignored;
    std::filesystem::copy_file(VANTOR_BAKE, bake, ignored);
    ::chmod(bake.c_str(), 0755);
    const char* options = std::getenv("LSAN_OPTIONS");
    if (options == nullptr) return;
    std::string text = options;
    const std::string key = "suppressions=";
    if (const std::size_t start = text.find(key); start != std::string::npos) {
      const std::size_t from = start + key.size();
      const std::size_t end = std::min(text.find(':', from), text.size());
      const std::string copy = dir.Path("lsan.supp");
      std::filesystem::copy_file(text.substr(from, end - from), copy, ignored);
      ::chmod(copy.c_str(), 0644);
      text.replace(from, end - from, copy);
    }
    leakOptions = "LSAN_OPTIONS=" + text;
  }
};

const ReachableCopies& Reachable() {
  static const ReachableCopies copies;
  return copies;
}

}  // namespace

BakeRun Bake(const std::vector<std::string>& args, const BakeSetting& setting) {
  const TempDir streams;
  const bool dropped = setting.unprivileged && ::geteuid() == 0;
  const ReachableCopies* copies = dropped ? &Reachable() : nullptr;
  const pid_t child = ::fork();
  if (child == 0) {
    const int out = ::open(streams.Path("out").c_str(), O_WRONLY | O_CREAT, 0666);
    const int err = ::open(streams.Path("err").c_str(), O_WRONLY | O_CREAT, 0666);
    const rlimit limit{setting.sizeLimit, setting.sizeLimit};
    if (out < 0 || err < 0 || ::dup2(out, 1) < 0 || ::dup2(err, 2) < 0) ::_exit(126);
    if (setting.sizeLimit != 0 && ::setrlimit(RLIMIT_FSIZE, &limit) != 0) ::_exit(126);
    if (dropped && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) ::_exit(126);
    for (const std::string& variable : setting.environment) ::putenv(const_cast<char*>(variable.c_str()));
    if (copies == nullptr) Exec(args);
    if (!copies->leakOptions.empty()) ::putenv(const_cast<char*>(copies->leakOptions.c_str()));
    Exec(args, copies->bake.c_str());
  }
  BakeRun run;
  int status = 0;
  if (child > 0 && ::waitpid(child, &status, 0) == child) {
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  }
  run.out = ReadFile(streams.Path("out"));
  run.err = ReadFile(streams.Path("err"));
  run.err = run.err.substr(0, run.err.find('\n') + 1);
  return run;
}

BakeRun Bake(const std::vector<std::string>& args, rlim_t sizeLimit, bool unprivileged) {
  return Bake(args, BakeSetting{sizeLimit, unprivileged, {}});
}

pid_t DeadPid() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ::waitpid(child, nullptr, 0);
  return child;
}

pid_t StartBake(const std::vector<std::string>& args, const std::vector<std::string>& environment) {
  const pid_t child = ::fork();
  if (child == 0) {
    const int null = ::open("/dev/null", O_WRONLY);
    if (null < 0 || ::dup2(null, 1) < 0 || ::dup2(null, 2) < 0) ::_exit(126);
    for (const std::string& variable : environment) ::putenv(const_cast<char*>(variable.c_str()));
    Exec(args);
  }
  return child;
}

}  // namespace vantor::files::test
