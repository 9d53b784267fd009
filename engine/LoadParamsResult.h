#pragma once

#include <string>

namespace vantor {

/// How reading a params file into the engine ended.
enum class LoadParamsStatus {
  Loaded,          ///< the settings were applied and the engine rebuilt
  CannotOpen,      ///< the file could not be opened for reading; `error` says why
  NotParamsFile,   ///< the file holds none of the params keys (or is too large to be one)
  ValueOutOfRange  ///< a value lies outside what the dialog can set; `key` names it
};

/// The outcome of Fonter::LoadParams; on any status but Loaded the engine is unchanged.
struct LoadParamsResult {
  LoadParamsStatus status = LoadParamsStatus::Loaded;
  int error = 0;    ///< errno of the failed open when CannotOpen, else 0
  std::string key;  ///< the refused key when ValueOutOfRange, else empty

  /// True when the file was loaded.
  bool Loaded() const { return status == LoadParamsStatus::Loaded; }
};

}  // namespace vantor
