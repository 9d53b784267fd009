#include "files/disk/FileResult.h"

#include <sys/resource.h>

#include <array>
#include <cerrno>
#include <utility>

namespace vantor::files {

namespace {

// The one table of error texts. They are shown as they stand, not translated:
// the platform's own file-error texts, then those of this program.
constexpr std::array<std::pair<FileStatus, std::string_view>, 19> kErrorTexts{{
    {FileStatus::NotFound, "%1 was not found."},
    {FileStatus::InvalidPath, "%1 contains an invalid path."},
    {FileStatus::AccessDenied, "Access to %1 was denied."},
    {FileStatus::SharingViolation, "A sharing violation occurred while accessing %1."},
    {FileStatus::DiskFull, "Disk full while accessing %1."},
    {FileStatus::UnknownError, "An unknown error occurred while accessing %1."},
    {FileStatus::NotParamsFile, "%1 is not a font params file."},
    {FileStatus::ValueOutOfRange, "The \"%2\" value in %1 is missing or out of range."},
    {FileStatus::TextureTooLarge, "%1 cannot hold the texture: a TGA image is at most 65535 pixels wide and high."},
    {FileStatus::FolderMissing, "The folder of %1 does not exist."},
    {FileStatus::NameTooLong, "The name %1 is too long for its file system."},
    {FileStatus::FileSizeLimit, "%1 would pass the file-size limit of %2 bytes."},
    {FileStatus::CrossDevice, "%1 cannot be replaced: it lies on another file system than its folder."},
    {FileStatus::IsFolder, "%1 is a folder, not a file."},
    {FileStatus::NotRegularFile, "%1 is not a regular file."},
    {FileStatus::ParamsTooLarge, "%1 is larger than the %2 bytes a params file can be."},
    {FileStatus::LinkLoop, "The symbolic links of %1 lead round in a loop."},
    {FileStatus::PageTooLarge, "%1 cannot hold the texture: a page of a font is at most 65535 pixels wide and high."},
    {FileStatus::FolderTakesNoFile, "The folder of %1 takes no new files."},
}};

std::string_view TextOf(FileStatus status) {
  for (const auto& [entry, text] : kErrorTexts) {
    if (entry == status) return text;
  }
  return {};
}

}  // namespace

std::string_view FileErrorTemplate(FileStatus status) { return TextOf(status); }

bool IsTranslatedErrorText(FileStatus status) { return status >= FileStatus::FolderMissing; }

std::string FileErrorText(FileStatus status, std::string_view path, std::string_view key) {
  return FillErrorText(TextOf(status), path, key);
}

std::string FillErrorText(std::string_view text, std::string_view path, std::string_view key) {
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
  return {status, FileErrorText(status, path, key), std::string(path), std::string(key)};
}

FileResult FileFailureFromErrno(int error, FileAccess access, std::string_view path) {
  const FileStatus status = FileStatusFromErrno(error, access);
  if (status != FileStatus::FileSizeLimit) return FileFailure(status, path);
  rlimit limit{};
  if (::getrlimit(RLIMIT_FSIZE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) {
    // Too large for the file system itself, not for a limit of this process.
    return FileFailure(FileStatus::DiskFull, path);
  }
  return FileFailure(status, path, std::to_string(limit.rlim_cur));
}

FileStatus FileStatusFromErrno(int error, FileAccess access) {
  switch (error) {
    case ENOENT:
      // Creating a file fails this way only when its folder is missing.
      return access == FileAccess::Write ? FileStatus::FolderMissing : FileStatus::NotFound;
    case ENAMETOOLONG:
      return FileStatus::NameTooLong;
    case EXDEV:
      return FileStatus::CrossDevice;
    case EISDIR:
      return FileStatus::IsFolder;
    case ENODEV:
      return FileStatus::NotRegularFile;
    case EFBIG:
      return access == FileAccess::Read ? FileStatus::ParamsTooLarge : FileStatus::FileSizeLimit;
    case ELOOP:
      return FileStatus::LinkLoop;
    case ENOTDIR:
    case EINVAL:
      return FileStatus::InvalidPath;
    case EACCES:
    case EPERM:
    case EROFS:
      return FileStatus::AccessDenied;
    case ETXTBSY:
    case EBUSY:
    case EAGAIN:
      return FileStatus::SharingViolation;
    case ENOSPC:
    case EDQUOT:
      return FileStatus::DiskFull;
    default:
      return FileStatus::UnknownError;
  }
}

}  // namespace vantor::files
