#include "files/disk/ConfirmOverwrite.h"

#include "files/disk/UniqueFd.h"

#include <fcntl.h>
#include <sys/stat.h>

namespace vantor::files {

bool ConfirmOverwrite(const std::string& path, const std::string& fileName, const OverwriteQuestion& ask) {
  // Non-blocking, so that a named pipe at `path` cannot hang the question.
  const UniqueFd file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (!file.Valid()) return true;
  // A folder opens for reading here but is no file to overwrite; the save reports it.
  struct stat info {};
  if (::fstat(file.Get(), &info) == 0 && S_ISDIR(info.st_mode)) return true;
  return ask(fileName);
}

}  // namespace vantor::files
