// Preloaded into vantor-bake by the tests: rename() fails with the errno in
// VANTOR_FAIL_RENAME_ERRNO when its target ends with VANTOR_FAIL_RENAME_TO.
#include <dlfcn.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

extern "C" int rename(const char* from, const char* to) {
  using Rename = int (*)(const char*, const char*);
  static const auto real = reinterpret_cast<Rename>(::dlsym(RTLD_NEXT, "rename"));
  const char* suffix = std::getenv("VANTOR_FAIL_RENAME_TO");
  const std::size_t length = suffix != nullptr ? std::strlen(suffix) : 0;
  const std::size_t toLength = std::strlen(to);
  if (length > 0 && toLength >= length && std::strcmp(to + toLength - length, suffix) == 0) {
    const char* error = std::getenv("VANTOR_FAIL_RENAME_ERRNO");
    errno = error != nullptr ? std::atoi(error) : EIO;
    return -1;
  }
  return real(from, to);
}
