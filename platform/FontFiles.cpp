#include "platform/FontFiles.h"

#include "platform/FamilyMatch.h"
#include "platform/Handles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace vantor::platform {

AddedFontFile AddFontFile(const std::string& path) {
  AddedFontFile added;
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) {
    added.error = errno == ENOENT ? "was not found" : std::string("cannot be read: ") + std::strerror(errno);
    return added;
  }
  if (S_ISDIR(info.st_mode)) {
    added.error = "is a folder, not a font file";
    return added;
  }
  if (!S_ISREG(info.st_mode)) {
    added.error = "is not a regular file";
    return added;
  }
  if (::access(path.c_str(), R_OK) != 0) {
    added.error = std::string("cannot be read: ") + std::strerror(errno);
    return added;
  }
  added.families = FaceFamiliesOf(path);
  if (added.families.empty()) {
    added.error = "holds no font face (TrueType, OpenType or a collection of them)";
    return added;
  }
  FcConfigPtr config = ReferenceFontConfig();
  if (!config || FcConfigAppFontAddFile(config.get(), reinterpret_cast<const FcChar8*>(path.c_str())) != FcTrue) {
    added.error = "could not be added to the face list";
    added.families.clear();
  }
  return added;
}

}  // namespace vantor::platform
