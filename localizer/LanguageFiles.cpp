#include "LanguageFiles.h"

#include "WildcardMatch.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <memory>
#include <optional>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace localizer {

namespace {

struct DirectoryCloser {
    void operator()(DIR* directory) const noexcept { closedir(directory); }
};
using Directory = std::unique_ptr<DIR, DirectoryCloser>;

// Owns one open file descriptor.
class FileDescriptor {
public:
    explicit FileDescriptor(int descriptor) noexcept : descriptor(descriptor) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor()
    {
        if (descriptor >= 0) {
            close(descriptor);
        }
    }
    int Get() const noexcept { return descriptor; }

private:
    int descriptor;
};

std::vector<std::string> MatchingNames(const MaskParts& parts)
{
    std::vector<std::string> names;
    const Directory directory(opendir(parts.directory.empty() ? "." : parts.directory.c_str()));
    if (!directory) {
        return names;
    }
    while (const dirent* entry = readdir(directory.get())) {
        const std::string_view name(entry->d_name);
        if (MatchWildcard(parts.pattern, name)) {
            names.emplace_back(name);
        }
    }
    // Byte order of the names (std::string compares bytes as unsigned), so that loads repeat
    // exactly whatever order the directory yields its entries in.
    std::sort(names.begin(), names.end());
    return names;
}

// No language file comes near this; a larger file is skipped as if it were not there,
// so that a stray or hostile file cannot take the program's memory and start-up time.
constexpr std::size_t kMaxLanguageFileSize = std::size_t{4} << 20;

std::optional<std::string> ReadWholeFile(const std::string& path)
{
    // O_NONBLOCK keeps a FIFO from blocking the open; only regular files are read.
    const FileDescriptor file(open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (file.Get() < 0) {
        return std::nullopt;
    }
    struct stat status {};
    if (fstat(file.Get(), &status) != 0 || !S_ISREG(status.st_mode) ||
        static_cast<std::uint64_t>(status.st_size) > kMaxLanguageFileSize) {
        return std::nullopt;
    }
    // The size is only a first guess: the file is read up to its end, however long it now is.
    std::string contents;
    contents.resize(status.st_size > 0 ? static_cast<std::size_t>(status.st_size) + 1 : 4096);
    std::size_t used = 0;
    for (;;) {
        if (used == contents.size()) {
            contents.resize(contents.size() * 2);
        }
        const ssize_t count = read(file.Get(), contents.data() + used, contents.size() - used);
        if (count == 0) {
            break;
        }
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            return std::nullopt;
        }
        used += static_cast<std::size_t>(count);
        if (used > kMaxLanguageFileSize) {
            return std::nullopt;  // it grew past the cap while being read
        }
    }
    contents.resize(used);
    return contents;
}

}  // namespace

std::vector<std::string> ReadLanguageFiles(std::string_view mask)
{
    const MaskParts parts = SplitMask(mask);
    std::vector<std::string> files;
    for (const std::string& name : MatchingNames(parts)) {
        if (std::optional<std::string> contents = ReadWholeFile(parts.directory + name)) {
            files.push_back(std::move(*contents));
        }
    }
    return files;
}

}  // namespace localizer
