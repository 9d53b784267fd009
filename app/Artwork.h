#pragma once

#include <QIcon>
#include <QPixmap>

namespace vantor {

/// The picture of artwork resource `resource` (128 the icon, 130 the About
/// picture); as an icon it has the desktop's icon size. Null when unknown.
QPixmap Artwork(int resource, bool asIcon);

/// Icon resource 128, the application icon.
QIcon ApplicationIcon();

}  // namespace vantor
