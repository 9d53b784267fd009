#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace vantor {

/// One named entry of an option table: the text a list shows and the value a description takes.
struct FontOption {
  std::string name;
  std::int32_t value = 0;
};

/// The 19 character sets, in the order of the dialog's list.
std::array<FontOption, 19> CharsetOptions();
/// The 6 rendering qualities, in the order of the dialog's list.
std::array<FontOption, 6> QualityOptions();
/// The 10 weights, in the order of the dialog's list.
std::array<FontOption, 10> WeightOptions();

}  // namespace vantor
