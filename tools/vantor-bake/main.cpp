// vantor-bake: the engine and the file logic without a window, for build pipelines.

#include "Bake.h"
#include "BakeCharacters.h"
#include "BakeOptions.h"
#include "platform/FontMatch.h"

#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv) {
  // A write past a file-size limit must fail with EFBIG, reported as a full
  // disk, instead of killing the process with the old file's fate undecided.
  std::signal(SIGXFSZ, SIG_IGN);

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
      break;
    case BakeOptions::Mode::ListFonts:
      for (const std::string& face : vantor::platform::FaceList()) std::puts(face.c_str());
      break;
    case BakeOptions::Mode::FromParams:
    case BakeOptions::Mode::FromOptions: {
      vantor::files::CharacterSet characters;
      if (const auto gathered = vantor::bake::GatherCharacters(parsed.options, characters); !gathered.Ok()) {
        std::fprintf(stderr, "vantor-bake: %s\n", gathered.message.c_str());
        return 2;
      }
      if (const std::string error = vantor::bake::Bake(parsed.options); !error.empty()) {
        std::fprintf(stderr, "vantor-bake: %s\n", error.c_str());
        return 1;
      }
      break;
    }
  }
  return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
}
