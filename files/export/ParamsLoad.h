#pragma once

#include "engine/LoadParamsResult.h"
#include "files/disk/FileResult.h"

#include <string>

namespace vantor::files {

/// The outcome of Fonter::LoadParams for `path` as a file result with its ready
/// message: Ok when loaded; a failure to open keeps the system's cause.
FileResult DescribeLoadParams(const LoadParamsResult& result, const std::string& path);

}  // namespace vantor::files
