#include "RunBake.h"

#include "Bake.h"
#include "BakeCharacters.h"
#include "ListedName.h"
#include "platform/FontFiles.h"
#include "platform/FontMatch.h"

#include <cstdio>
#include <string>

namespace vantor::bake {

namespace {

// Adds every font file; the first face of the first one is the face when none is named.
int AddFontFiles(BakeOptions& options) {
  for (const std::string& path : options.fontFiles) {
    const platform::AddedFontFile added = platform::AddFontFile(path);
    if (!added.error.empty()) {
      std::fprintf(stderr, "vantor-bake: the font file %s %s\n", path.c_str(), added.error.c_str());
      return 2;
    }
    if (options.face.empty() && &path == &options.fontFiles.front()) options.face = added.families.front();
  }
  return 0;
}

}  // namespace

int RunBake(const BakeOptions& given, bool quiet) {
  BakeOptions options = given;
  if (const int status = AddFontFiles(options); status != 0) return status;
  if (options.mode == BakeOptions::Mode::Help) {
    std::fputs(BakeUsage(), stdout);
    return 0;
  }
  if (options.mode == BakeOptions::Mode::ListFonts) {
    for (const std::string& face : platform::FaceList()) std::puts(ListedName(face).c_str());
    return 0;
  }
  files::CharacterSet characters;
  if (const auto gathered = GatherCharacters(options, characters); !gathered.Ok()) {
    std::fprintf(stderr, "vantor-bake: %s\n", gathered.message.c_str());
    return 2;
  }
  const BakeResult result = Bake(options, characters.CodePoints());
  if (!quiet && !result.warning.empty()) std::fprintf(stderr, "vantor-bake: warning: %s\n", result.warning.c_str());
  if (result.status != 0) {
    std::fprintf(stderr, "vantor-bake: %s\n", result.error.c_str());
    return result.status;
  }
  if (quiet) return 0;
  if (const std::string missing = DescribeMissing(result.missing); !missing.empty()) {
    std::fprintf(stderr, "vantor-bake: %s\n", missing.c_str());
  }
  if (options.sdf && options.outputs.params) {
    // The params file has no key for a field: baked again, it gives coverage at another cell height.
    std::fprintf(stderr, "vantor-bake: note: the params file does not record --sdf %d; bake it again with "
                         "--sdf %d to get the same distance fields\n", *options.sdf, *options.sdf);
  }
  return 0;
}

}  // namespace vantor::bake
