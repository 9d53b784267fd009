#pragma once

namespace vantor {

/// String 101: the extra item of the window menu (the dialog's context menu here); never translated.
inline constexpr const char kAboutMenuText[] = "&About Vantor...";
/// Command ID of that item.
inline constexpr int kAboutMenuCommand = 16;

/// The notice line shown in the main dialog and the About dialog until a translation replaces it.
inline constexpr const char kNoticeLine[] = "(c) 2026 The Vantor developers";
/// The project's web-site host name, shown by the About dialog's web link.
inline constexpr const char kWebHost[] = "example.org";
/// The absolute address the web link opens.
inline constexpr const char kWebAddress[] = "https://example.org";
/// The support e-mail address, shown by the About dialog's mail link.
inline constexpr const char kSupportMail[] = "vantor@example.org";

/// Icon resource 128: the application icon.
inline constexpr int kIconResource = 128;
/// Bitmap resource 130: the About dialog's picture.
inline constexpr int kPictureResource = 130;

}  // namespace vantor
