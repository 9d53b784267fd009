// vantor-bake: the engine and the file logic without a window, for build pipelines.

#include "Bake.h"
#include "BakeCharacters.h"
#include "BakeOptions.h"
#include "EffectOptions.h"
#include "ListedName.h"
#include "files/disk/SaveJournal.h"
#include "files/disk/Temporaries.h"
#include "platform/FontMatch.h"

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

  using vantor::bake::BakeOptions;
  const vantor::bake::ParsedOptions parsed =
      vantor::bake::ParseBakeOptions(std::vector<std::string>(argv + 1, argv + argc));
  if (!parsed.error.empty()) {
    std::fprintf(stderr, "vantor-bake: %s\nTry 'vantor-bake --help'.\n", parsed.error.c_str());
    return 2;
  }
  switch (parsed.options.mode) {
    case BakeOptions::Mode::Help:
      std::fputs(vantor::bake::BakeUsage(), stdout);
      std::fputs(vantor::bake::EffectUsage(), stdout);
      break;
    case BakeOptions::Mode::ListFonts:
      for (const std::string& face : vantor::platform::FaceList()) std::puts(vantor::bake::ListedName(face).c_str());
      break;
    case BakeOptions::Mode::FromParams:
    case BakeOptions::Mode::FromOptions:
    {
      vantor::files::CharacterSet characters;
      if (const auto gathered = vantor::bake::GatherCharacters(parsed.options, characters); !gathered.Ok()) {
        std::fprintf(stderr, "vantor-bake: %s\n", gathered.message.c_str());
        return 2;
      }
      const vantor::bake::BakeResult result = vantor::bake::Bake(parsed.options, characters.CodePoints());
      if (!result.warning.empty()) std::fprintf(stderr, "vantor-bake: warning: %s\n", result.warning.c_str());
      if (result.status != 0) {
        std::fprintf(stderr, "vantor-bake: %s\n", result.error.c_str());
        return result.status;
      }
      if (const std::string missing = vantor::bake::DescribeMissing(result.missing); !missing.empty()) {
        std::fprintf(stderr, "vantor-bake: %s\n", missing.c_str());
      }
      if (parsed.options.sdf && parsed.options.outputs.params) {
        // The params file has no key for a field: baked again, it gives coverage at another cell height.
        std::fprintf(stderr, "vantor-bake: note: the params file does not record --sdf %d; bake it again with "
                             "--sdf %d to get the same distance fields\n", *parsed.options.sdf, *parsed.options.sdf);
      }
      break;
    }
  }
  return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
}
