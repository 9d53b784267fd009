#include "app/CVantorApp.h"

#include "app/CVantorDlg.h"
#include "app/Translation.h"

namespace vantor {

int CVantorApp::StartUp(WindowSystem& windowSystem) {
  // The engine builds its first texture before any language is loaded.
  CVantorDlg dialog(windowSystem);
  LoadLanguages();
  dialog.preview.Create();
  dialog.DoModal();
  // Leaving the scope destroys the preview, then the engine, then the controls.
  return 0;
}

}  // namespace vantor
