#include "files/FileResult.h"

#include <array>
#include <cerrno>
#include <utility>

namespace vantor::files {

namespace {

// The one table of error texts. They are shown as they stand, not translated:
// the platform's own file-error texts, then those of this program.
constexpr std::array<std::pair<FileStatus, std::string_view>, 9> kErrorTexts{{
    {FileStatus::NotFound, "%1 was not found."},
    {FileStatus::InvalidPath, "%1 contains an invalid path."},
    {FileStatus::AccessDenied, "Access to %1 was denied."},
    {FileStatus::SharingViolation, "A sharing violation occurred while accessing %1."},
    {FileStatus::DiskFull, "Disk full while accessing %1."},
    {FileStatus::UnknownError, "An unknown error occurred while accessing %1."},
    {FileStatus::NotParamsFile, "%1 is not a font params file."},
    {FileStatus::ValueOutOfRange, "The \"%2\" value in %1 is missing or out of range."},
    {FileStatus::TextureTooLarge, "%1 cannot hold the texture: a TGA image is at most 65535 pixels wide and high."},
}};

std::string_view TextOf(FileStatus status) {
  for (const auto& [entry, text] : kErrorTexts) {
    if (entry == status) return text;
  }
  return {};
}

}  // namespace

std::string FileErrorText(FileStatus status, std::string_view path, std::string_view key) {
  const std::string_view text = TextOf(status);
  std::string message;
  message.reserve(text.size() + path.size() + key.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 1 < text.size() && (text[i + 1] == '1' || text[i + 1] == '2')) {
      message += text[i + 1] == '1' ? path : key;
      ++i;
    } else {
      message += text[i];
    }
  }
  return message;
}

FileResult FileFailure(FileStatus status, std::string_view path, std::string_view key) {
  return {status, FileErrorText(status, path, key)};
}

FileStatus FileStatusFromErrno(int error, FileAccess access) {
  switch (error) {
    case ENOENT:
      // Creating a file fails this way only when its folder is missing.
      return access == FileAccess::Write ? FileStatus::InvalidPath : FileStatus::NotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
    case EINVAL:
      return FileStatus::InvalidPath;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
      return FileStatus::AccessDenied;
    case ETXTBSY:
    case EBUSY:
    case EAGAIN:
      return FileStatus::SharingViolation;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return FileStatus::DiskFull;
    default:
      return FileStatus::UnknownError;
  }
}

}  // namespace vantor::files
