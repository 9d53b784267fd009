#include "app/Translation.h"

#include "Localizer.h"

namespace vantor {

void LoadLanguages() { Localizer::GetInstance().Load("*.lng", ""); }

QString Translated(const char* key) {
  // The library's answer lives only until its next call: copied at once.
  return QString::fromUtf8(Localizer::GetInstance().Translate(key));
}

}  // namespace vantor
