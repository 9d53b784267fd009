#pragma once

#include "app/CVantorDlg.h"
#include "app/Translation.h"
#include "tests/app/FakeWindowSystem.h"

#include <memory>

namespace vantor {

/// A main dialog opened as start-up opens it: languages loaded, the preview window created, OnOpen run.
inline std::unique_ptr<CVantorDlg> OpenMainDialog(FakeWindowSystem& windowSystem) {
  LoadLanguages();
  auto dialog = std::make_unique<CVantorDlg>(windowSystem);
  dialog->preview.Create();
  dialog->OnOpen();
  return dialog;
}

}  // namespace vantor
