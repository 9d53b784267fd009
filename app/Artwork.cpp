#include "app/Artwork.h"

#include "templates/ProgramStrings.h"

#include <QApplication>
#include <QStyle>

namespace vantor {

QPixmap Artwork(int resource, bool asIcon) {
  if (resource == kIconResource) {
    const int size = asIcon ? QApplication::style()->pixelMetric(QStyle::PM_LargeIconSize) : 64;
    return ApplicationIcon().pixmap(size, size);
  }
  if (resource == kPictureResource) return QPixmap(QStringLiteral(":/vantor/picture.png"));
  return {};
}

QIcon ApplicationIcon() { return QIcon(QStringLiteral(":/vantor/icon.png")); }

}  // namespace vantor
