// vantor-bake: the engine and the file logic without a window, for build pipelines.

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

  const int status =
      vantor::bake::Run(vantor::bake::SplitRunOptions(std::vector<std::string>(argv + 1, argv + argc)));
  if (status != 0) return status;
  return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
}
