#include "files/ReplaceFiles.h"

#include "files/FileReplacement.h"

#include <memory>

namespace vantor::files {

FileResult ReplaceFiles(const std::vector<FileOutput>& outputs) {
  std::vector<std::unique_ptr<FileReplacement>> replacements;
  replacements.reserve(outputs.size());
  for (const FileOutput& output : outputs) {
    replacements.push_back(std::make_unique<FileReplacement>(output.path));
    if (!replacements.back()->Status().Ok()) return replacements.back()->Status();
  }
  for (std::size_t i = 0; i < outputs.size(); ++i) {
    if (!outputs[i].write(replacements[i]->Sink())) return replacements[i]->Discard();
  }
  for (auto& replacement : replacements) {
    if (FileResult done = replacement->Finish(); !done.Ok()) return done;
  }
  for (auto& replacement : replacements) {
    if (FileResult done = replacement->Commit(); !done.Ok()) return done;
  }
  return {};
}

}  // namespace vantor::files
