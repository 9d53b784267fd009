#include "NumberList.h"

#include <algorithm>
#include <charconv>

namespace vantor::bake {

std::vector<int> NumberList(std::string_view text, char separator, std::size_t count, int min, int max) {
  std::vector<int> values;
  std::size_t start = 0;
  while (values.size() < count) {
    const std::size_t end = std::min(text.find(separator, start), text.size());
    int value = 0;
    const auto [ptr, error] = std::from_chars(text.data() + start, text.data() + end, value);
    if (end == start || error != std::errc() || ptr != text.data() + end || value < min || value > max) return {};
    values.push_back(value);
    if (end == text.size()) return values;
    start = end + 1;
  }
  return {};
}

}  // namespace vantor::bake
