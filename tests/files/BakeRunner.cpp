#include "BakeRunner.h"

#include "TestFiles.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

namespace vantor::files::test {

namespace {

constexpr uid_t kNobody = 65534;

[[noreturn]] void Exec(const std::vector<std::string>& args) {
  std::vector<char*> argv{const_cast<char*>(VANTOR_BAKE)};
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  ::execv(VANTOR_BAKE, argv.data());
  ::_exit(127);
}

}  // namespace

BakeRun Bake(const std::vector<std::string>& args, const BakeSetting& setting) {
  const TempDir streams;
  const pid_t child = ::fork();
  if (child == 0) {
    const int out = ::open(streams.Path("out").c_str(), O_WRONLY | O_CREAT, 0666);
    const int err = ::open(streams.Path("err").c_str(), O_WRONLY | O_CREAT, 0666);
    const rlimit limit{setting.sizeLimit, setting.sizeLimit};
    if (out < 0 || err < 0 || ::dup2(out, 1) < 0 || ::dup2(err, 2) < 0) ::_exit(126);
    if (setting.sizeLimit != 0 && ::setrlimit(RLIMIT_FSIZE, &limit) != 0) ::_exit(126);
    if (setting.unprivileged && ::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) ::_exit(126);
    for (const std::string& variable : setting.environment) ::putenv(const_cast<char*>(variable.c_str()));
    Exec(args);
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

pid_t StartBake(const std::vector<std::string>& args) {
  const pid_t child = ::fork();
  if (child == 0) {
    const int null = ::open("/dev/null", O_WRONLY);
    if (null < 0 || ::dup2(null, 1) < 0 || ::dup2(null, 2) < 0) ::_exit(126);
    Exec(args);
  }
  return child;
}

}  // namespace vantor::files::test
