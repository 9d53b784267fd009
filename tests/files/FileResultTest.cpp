#include "files/disk/FileResult.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace vantor::files {
namespace {

// The other texts are checked where the failures that raise them are made.
TEST(FileResult, TextsNameTheFullPathAsItStands) {
  EXPECT_EQ(FileFailure(FileStatus::SharingViolation, "/a b/%1%2.tga").message,
            "A sharing violation occurred while accessing /a b/%1%2.tga.");
  EXPECT_EQ(FileFailure(FileStatus::UnknownError, "f.tga").message, "An unknown error occurred while accessing f.tga.");
  EXPECT_EQ(FileFailure(FileStatus::Ok, "f.tga").message, "");
}

TEST(FileResult, SystemErrorsChooseTheText) {
  const std::tuple<int, FileAccess, FileStatus> cases[] = {
      {ENOENT, FileAccess::Write, FileStatus::FolderMissing},
      {ENOENT, FileAccess::Read, FileStatus::NotFound},
      {ENOTDIR, FileAccess::Write, FileStatus::InvalidPath},
      {ENAMETOOLONG, FileAccess::Write, FileStatus::NameTooLong},
      {EXDEV, FileAccess::Write, FileStatus::CrossDevice},
      {EACCES, FileAccess::Write, FileStatus::AccessDenied},
      {EROFS, FileAccess::Write, FileStatus::AccessDenied},
      {EISDIR, FileAccess::Write, FileStatus::IsFolder},
      {ELOOP, FileAccess::Write, FileStatus::LinkLoop},
      {EISDIR, FileAccess::Read, FileStatus::IsFolder},
      {ENODEV, FileAccess::Read, FileStatus::NotRegularFile},
      {ETXTBSY, FileAccess::Write, FileStatus::SharingViolation},
      {ENOSPC, FileAccess::Write, FileStatus::DiskFull},
      {EDQUOT, FileAccess::Write, FileStatus::DiskFull},
      {EFBIG, FileAccess::Write, FileStatus::FileSizeLimit},
      {EFBIG, FileAccess::Read, FileStatus::ParamsTooLarge},
      {EIO, FileAccess::Write, FileStatus::UnknownError},
  };
  for (const auto& [error, access, status] : cases) {
    EXPECT_EQ(FileStatusFromErrno(error, access), status) << "errno " << error;
  }
}

}  // namespace
}  // namespace vantor::files
