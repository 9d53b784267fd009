#include "app/DecimalText.h"

#include <limits>

namespace vantor {

std::int32_t DecimalValue(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  // Accumulates up to just past the int32 range, then stops growing.
  constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  std::int64_t magnitude = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    magnitude = std::min(kLimit, magnitude * 10 + (text[i] - '0'));
  }
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (value > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(value);
}

std::int32_t DecimalValue(const QString& text) {
  const QByteArray bytes = text.toUtf8();
  return DecimalValue(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

QString DecimalText(std::int32_t value) { return QString::number(value); }

}  // namespace vantor
