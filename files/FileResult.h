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
  TextureTooLarge    ///< the texture is too large for a TGA header
};

/// Whether a failed system call was reading an existing file or creating and writing one.
enum class FileAccess { Read, Write };

/// The outcome of a file operation: a status and, on failure, the ready message naming the full path.
struct FileResult {
  FileStatus status = FileStatus::Ok;
  std::string message;  ///< empty when Ok; shown to the user as it stands, untranslated

  /// True when the operation succeeded.
  bool Ok() const { return status == FileStatus::Ok; }
};

/// The error text of `status` with %1 replaced by `path` and %2 by `key`; empty for Ok.
std::string FileErrorText(FileStatus status, std::string_view path, std::string_view key = {});

/// A failed result of `status` for `path` (and `key`, for ValueOutOfRange), message filled in.
FileResult FileFailure(FileStatus status, std::string_view path, std::string_view key = {});

/// The status that errno value `error` stands for: a missing or malformed folder is an
/// invalid path (a missing file too when writing), no space or a size limit is disk full.
FileStatus FileStatusFromErrno(int error, FileAccess access);

}  // namespace vantor::files
