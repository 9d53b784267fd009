// The program's dialog templates as data, in dialog units (a horizontal unit
// is a quarter of the dialog font's average character width, a vertical unit
// an eighth of its height). Lines are in template order, which is the tab order.
#include "templates/DialogTemplate.h"

#include "templates/ProgramStrings.h"

namespace vantor {

namespace {

using enum ControlKind;

constexpr unsigned kList = kTabStop | kVScroll;

constexpr ControlTemplate kMainControls[] = {
    {2, PushButton, "Exit", 244, 149, 50, 12, kTabStop},
    {1000, ComboBox, "", 18, 24, 115, 138, kList | kSorted},
    {1001, GroupBox, "Font params:", 5, 2, 294, 87},
    {1003, Label, "- Width", 179, 26, 31, 8},
    {1004, Edit, "", 156, 23, 20, 14, kTabStop | kDigitsOnly},
    {1005, Edit, "", 223, 23, 20, 14, kTabStop | kDigitsOnly},
    {1006, Label, "- Height", 246, 26, 42, 8},
    {1007, CheckBox, "- Bold", 156, 61, 60, 10, kTabStop},
    {1008, CheckBox, "- Italic", 225, 61, 55, 10, kTabStop | kDisabled},
    {1009, GroupBox, "Type:", 11, 12, 132, 69},
    {1010, ComboBox, "", 17, 60, 75, 104, kList},
    {1011, Label, "- Quality", 95, 62, 45, 8},
    {1012, ComboBox, "", 17, 41, 75, 118, kList},
    {1013, Label, "- Charset", 94, 43, 41, 8},
    {1014, GroupBox, "View:", 149, 12, 143, 69},
    {1016, ComboBox, "", 156, 41, 78, 110, kList},
    {1017, Label, "- Weight", 237, 43, 33, 8},
    {1018, PushButton, "Load Font params", 209, 103, 90, 11, kTabStop},
    {1019, PushButton, "Save font params", 209, 117, 90, 11, kTabStop},
    {1020, PushButton, "Save texture", 209, 131, 90, 11, kTabStop},
    {1021, CheckBox, "- Show texture", 12, 108, 84, 10, kTabStop},
    {1022, Label, kNoticeLine, 9, 150, 150, 8},
    {1023, ComboBox, "", 97, 107, 38, 59, kList},
    {1024, Label, "- Texture width", 138, 109, 65, 8},
    {1025, PushButton, "About", 165, 149, 64, 12, kTabStop},
    {1026, Edit, "", 12, 125, 19, 14, kTabStop},
    {1027, Label, "- Leading", 34, 127, 60, 8},
    {1028, Edit, "", 97, 125, 19, 14, kTabStop},
    {1029, Label, "- Kerning", 119, 127, 81, 8},
    {1030, GroupBox, "Texture param:", 5, 96, 200, 50},
};

constexpr ControlTemplate kAboutControls[] = {
    {kNoId, Icon, "", 8, 3, 21, 20, kNoStyle, kIconResource},
    {1031, Label, "Vantor Version 1.0", 39, 9, 82, 8, kNoPrefix},
    {1022, Label, kNoticeLine, 4, 91, 123, 8, kCentred},
    {1, DefPushButton, "OK", 40, 127, 51, 12, kTabStop},
    {kNoId, Picture, "", 8, 30, 115, 55, kNoStyle, kPictureResource},
    {kNoId, Label, "www:", 19, 102, 20, 8},
    {kNoId, Label, "e-mail:", 17, 113, 22, 8},
    {1032, Label, kWebHost, 40, 103, 55, 8},
    {1033, Label, kSupportMail, 40, 113, 68, 8},
};

constexpr DialogTemplate kMainDialog{102, "Vantor", 305, 166, kMinimizeBox | kAppWindow | kVisible, kMainControls};
constexpr DialogTemplate kMonitor{129, "Texture", 188, 90, kSizingBorder | kToolWindow | kVisible, {}};
constexpr DialogTemplate kAbout{100, "About Vantor", 131, 144, kToolWindow, kAboutControls};

}  // namespace

const DialogTemplate& MainDialogTemplate() { return kMainDialog; }

const DialogTemplate& MonitorTemplate() { return kMonitor; }

const DialogTemplate& AboutTemplate() { return kAbout; }

}  // namespace vantor
