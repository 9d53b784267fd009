// vantor-bake: the engine and the file logic without a window, for build pipelines.

#include "BakeOptions.h"
#include "RunBake.h"
#include "files/disk/SaveJournal.h"
#include "files/disk/Temporaries.h"

#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv) {
  // A write past a file-size limit must fail with EFBIG, reported as a full
  // disk, instead of killing the process with the old file's fate undecided.
  std::signal(SIGXFSZ, SIG_IGN);
  // A bake ended by TERM, INT or HUP leaves no temporary file behind.
  vantor::files::RemoveTemporariesOnSignals();
  vantor::files::SetLockWaitNotice([](const std::string& folder) {
    std::fprintf(stderr, "vantor-bake: waiting for another save into %s to finish...\n", folder.c_str());
  });

  const vantor::bake::ParsedOptions parsed =
      vantor::bake::ParseBakeOptions(std::vector<std::string>(argv + 1, argv + argc));
  if (!parsed.error.empty()) {
    std::fprintf(stderr, "vantor-bake: %s\nTry 'vantor-bake --help'.\n", parsed.error.c_str());
    return 2;
  }
  const int status = vantor::bake::RunBake(parsed.options, false);
  if (status != 0) return status;
  return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
}
