#include "TestFiles.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace vantor::files::test {

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "vantor-files-XXXXXX").string();
  if (::mkdtemp(pattern.data()) != nullptr) path_ = pattern;
  // Open to every user, so an unprivileged child can work in it.
  ::chmod(path_.c_str(), 0777);
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::permissions(path_, std::filesystem::perms::all, ignored);
  std::filesystem::remove_all(path_, ignored);
}

std::string TempDir::Listing() const {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(path_)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  std::string listing;
  for (const std::string& name : names) listing += (listing.empty() ? "" : " ") + name;
  return listing;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return "<missing>";
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const std::string& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool InChild(const std::function<bool()>& body, bool unprivileged) {
  const pid_t child = ::fork();
  if (child == 0) {
    constexpr uid_t kNobody = 65534;
    if (unprivileged && ::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) ::_exit(2);
    ::_exit(body() ? 0 : 1);
  }
  int status = 0;
  return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

bool LimitedSink::Write(const void*, std::size_t size) {
  failed_ = failed_ || taken_ + size > limit_;
  if (!failed_) taken_ += size;
  return !failed_;
}

}  // namespace vantor::files::test
