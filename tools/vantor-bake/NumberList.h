#pragma once

// Lists of whole numbers as option values take them: "2,2", "1,2,3,4", "512x256".

#include <cstddef>
#include <string_view>
#include <vector>

namespace vantor::bake {

/// Up to `count` whole numbers from `min` to `max`, split at `separator`; empty when the
/// text is not such a list (an empty item, a sign or digit out of place, a value out of range).
std::vector<int> NumberList(std::string_view text, char separator, std::size_t count, int min, int max);

}  // namespace vantor::bake
