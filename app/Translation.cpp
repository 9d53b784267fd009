#include "app/Translation.h"

namespace vantor {

void LoadLanguages() {}

QString Translated(const char* key) { return QString::fromUtf8(key); }

}  // namespace vantor
