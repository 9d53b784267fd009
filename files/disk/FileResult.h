#pragma once

#include <string>
#include <string_view>

namespace vantor::files {

/// What became of a file operation; every status but Ok has one text in the error table.
enum class FileStatus {
  Ok,
  NotFound,          ///< "%1 was not found."
  InvalidPath,       ///< "%1 contains an invalid path."
  AccessDenied,      ///< "Access to %1 was denied."
  SharingViolation,  ///< "A sharing violation occurred while accessing %1."
  DiskFull,          ///< "Disk full while accessing %1."
  UnknownError,      ///< "An unknown error occurred while accessing %1."
  NotParamsFile,     ///< the file read is not a font params file
  ValueOutOfRange,   ///< a params value is missing or outside the dialog's range
  TextureTooLarge,   ///< the texture is too large for a TGA header
  FolderMissing,     ///< the folder a file is written into does not exist
  NameTooLong,       ///< a name is longer than the file system takes
  FileSizeLimit,     ///< the process's file-size limit (%2 bytes) stops the write
  CrossDevice,       ///< the target is a mount point: a new file cannot be renamed over it
  IsFolder,          ///< a folder was given where a file is read
  NotRegularFile,    ///< a pipe, device or socket was given where a file is read
  ParamsTooLarge,    ///< the file read is larger than a params file can be (%2 bytes)
  LinkLoop,          ///< the symbolic links of the path lead round in a loop
  PageTooLarge,      ///< the texture is too large for a descriptor's page
  FolderTakesNoFile  ///< the folder exists but no new file can be made in it (a system folder such as /proc)
};

/// Added after a failure's text when a set of files was put back as it was.
inline constexpr char kNothingChangedText[] = "Nothing was changed.";

/// Whether a failed system call was reading an existing file or creating and writing one.
enum class FileAccess { Read, Write };

/// The outcome of a file operation: a status and, on failure, the ready message naming the full path.
struct FileResult {
  FileStatus status = FileStatus::Ok;
  std::string message;  ///< empty when Ok; the English text, naming the full path
  std::string path;     ///< the path the message names
  std::string detail;   ///< what stands for %2 in the text: a key or a limit

  /// True when the operation succeeded.
  bool Ok() const { return status == FileStatus::Ok; }
};

/// The error text of `status` with %1 replaced by `path` and %2 by `key`; empty for Ok.
std::string FileErrorText(FileStatus status, std::string_view path, std::string_view key = {});

/// The text of `status` with its %1 and %2 still in it; empty for Ok.
std::string_view FileErrorTemplate(FileStatus status);

/// True for the texts that go through the language files; the others (the
/// platform's file errors and the params file's own) are shown as they stand.
bool IsTranslatedErrorText(FileStatus status);

/// `text` with %1 replaced by `path` and %2 by `key`.
std::string FillErrorText(std::string_view text, std::string_view path, std::string_view key);

/// A failed result of `status` for `path` (and `key`, for ValueOutOfRange), message filled in.
FileResult FileFailure(FileStatus status, std::string_view path, std::string_view key = {});

/// The status that errno value `error` stands for when reading or writing.
FileStatus FileStatusFromErrno(int error, FileAccess access);

/// The failure that errno value `error` stands for at `path`, with the
/// file-size limit filled in where that limit was the cause.
FileResult FileFailureFromErrno(int error, FileAccess access, std::string_view path);

}  // namespace vantor::files
