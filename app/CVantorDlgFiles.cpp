// The main dialog's file commands: save the texture, save and load the params file.
#include "app/CVantorDlg.h"

namespace vantor {

void CVantorDlg::OnSaveTexture() {}

void CVantorDlg::OnSaveParams() {}

void CVantorDlg::OnLoadParams() {}

}  // namespace vantor
