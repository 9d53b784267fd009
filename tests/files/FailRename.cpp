// Preloaded into vantor-bake by the tests: rename() fails with the errno in
// VANTOR_FAIL_RENAME_ERRNO when its target ends with VANTOR_FAIL_RENAME_TO, and
// unlink() likewise when its path ends with VANTOR_FAIL_UNLINK.
#include <dlfcn.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {

bool Fails(const char* path, const char* variable) {
  const char* suffix = std::getenv(variable);
  const std::size_t length = suffix != nullptr ? std::strlen(suffix) : 0;
  const std::size_t pathLength = std::strlen(path);
  if (length == 0 || pathLength < length || std::strcmp(path + pathLength - length, suffix) != 0) return false;
  const char* error = std::getenv("VANTOR_FAIL_RENAME_ERRNO");
  errno = error != nullptr ? std::atoi(error) : EIO;
  return true;
}

}  // namespace

extern "C" int rename(const char* from, const char* to) {
  using Rename = int (*)(const char*, const char*);
  static const auto real = reinterpret_cast<Rename>(::dlsym(RTLD_NEXT, "rename"));
  return Fails(to, "VANTOR_FAIL_RENAME_TO") ? -1 : real(from, to);
}

extern "C" int unlink(const char* path) {
  using Unlink = int (*)(const char*);
  static const auto real = reinterpret_cast<Unlink>(::dlsym(RTLD_NEXT, "unlink"));
  return Fails(path, "VANTOR_FAIL_UNLINK") ? -1 : real(path);
}
