#pragma once

class QWidget;

namespace vantor {

/// Grows every label, check box, button and frame of `dialog` whose text does
/// not fit it, moving the controls to its right (those beside it) and growing
/// the frames around it and the dialog's own width by as much; nothing shrinks,
/// so a layout whose texts fit stays exactly as its template made it.
void FitTexts(QWidget& dialog);

/// Makes the drop-down list of every combo box of `dialog` wide enough for its longest entry.
void WidenPopups(QWidget& dialog);

}  // namespace vantor
