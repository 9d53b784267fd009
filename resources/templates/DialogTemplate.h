#pragma once

#include <span>

namespace vantor {

/// What kind of control a template line makes.
enum class ControlKind {
  PushButton,     ///< a button that runs a command when pressed
  DefPushButton,  ///< the dialog's default button
  ComboBox,       ///< an editable drop-down list
  GroupBox,       ///< a titled frame drawn behind the controls it surrounds
  Label,          ///< static text
  Edit,           ///< a one-line text field
  CheckBox,       ///< a box that ticks itself when clicked
  Icon,           ///< an icon resource, drawn at its natural size
  Picture,        ///< a bitmap resource
};

/// Style bits of a control line; several may be combined.
enum ControlStyle : unsigned {
  kNoStyle = 0,
  kTabStop = 1u << 0,     ///< the control takes part in the tab order
  kSorted = 1u << 1,      ///< the list keeps its entries sorted, case ignored
  kDigitsOnly = 1u << 2,  ///< the edit accepts the digits 0..9 only
  kDisabled = 1u << 4,    ///< the control starts disabled
  kCentred = 1u << 5,     ///< the label's text is centred
  kNoPrefix = 1u << 6,    ///< an '&' in the label shows as itself
  kVScroll = 1u << 7,     ///< the list has a vertical scroll bar
};

/// Window style bits of a dialog template.
enum WindowStyle : unsigned {
  kNoWindowStyle = 0,
  kMinimizeBox = 1u << 0,  ///< the caption has a minimise box
  kSizingBorder = 1u << 1, ///< the user may resize the window
  kToolWindow = 1u << 2,   ///< a small tool window, not shown on the task bar
  kAppWindow = 1u << 3,    ///< shown on the task bar
  kVisible = 1u << 4,      ///< shown as soon as it is created
};

/// The ID of controls that are never looked up.
inline constexpr int kNoId = -1;

/// One control of a dialog template; position and size in dialog units.
struct ControlTemplate {
  int id;               ///< the ID the dialog finds the control by; kNoId for none
  ControlKind kind;     ///< what the line makes
  const char* caption;  ///< text in the template; empty for lists and edits
  int x;                ///< left edge
  int y;                ///< top edge
  int width;   ///< for a combo box, with its drop-down list
  int height;  ///< for a combo box, the height of the closed box plus its drop-down list
  unsigned styles = kNoStyle;
  int resource = 0;  ///< artwork resource of an icon or a picture
};

/// A dialog template: caption, client size in dialog units, window styles and
/// the controls in template order, which is also the tab order.
struct DialogTemplate {
  int id;                                     ///< the template's resource number
  const char* caption;                        ///< the window's caption
  int width;                                  ///< client width
  int height;                                 ///< client height
  unsigned styles;                            ///< WindowStyle bits
  std::span<const ControlTemplate> controls;  ///< the controls, in template order
};

/// Template 102: the main dialog.
const DialogTemplate& MainDialogTemplate();
/// Template 129: the texture preview window.
const DialogTemplate& MonitorTemplate();
/// Template 100: the About dialog.
const DialogTemplate& AboutTemplate();

}  // namespace vantor
