// Preloaded into vantor-bake by the tests: rename() fails with the errno in
// VANTOR_FAIL_RENAME_ERRNO when its target ends with VANTOR_FAIL_RENAME_TO, and
// unlink() likewise when its path ends with VANTOR_FAIL_UNLINK. With
// VANTOR_STOP_AT_FSYNC set, the process stops itself (SIGSTOP) at its first
// fsync(), when the first new file of a set is written but nothing is renamed.
#include <dlfcn.h>
#include <signal.h>

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

extern "C" int fsync(int fd) {
  using Fsync = int (*)(int);
  static const auto real = reinterpret_cast<Fsync>(::dlsym(RTLD_NEXT, "fsync"));
  static bool stopped = false;
  if (!stopped && std::getenv("VANTOR_STOP_AT_FSYNC") != nullptr) {
    stopped = true;
    ::raise(SIGSTOP);
  }
  return real(fd);
}
