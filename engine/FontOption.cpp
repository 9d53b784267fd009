#include "engine/FontOption.h"

namespace vantor {

std::array<FontOption, 19> CharsetOptions() {
  return {{
      {"DEFAULT_CHARSET", 1},
      {"ANSI_CHARSET", 0},
      {"BALTIC_CHARSET", 186},
      {"CHINESEBIG5_CHARSET", 136},
      {"EASTEUROPE_CHARSET", 238},
      {"GB2312_CHARSET", 134},
      {"GREEK_CHARSET", 161},
      {"HANGUL_CHARSET", 129},
      {"MAC_CHARSET", 77},
      {"OEM_CHARSET", 255},
      {"RUSSIAN_CHARSET", 204},
      {"SHIFTJIS_CHARSET", 128},
      {"SYMBOL_CHARSET", 2},
      {"TURKISH_CHARSET", 162},
      {"VIETNAMESE_CHARSET", 163},
      {"JOHAB_CHARSET ", 130},  // the trailing blank is part of the name
      {"ARABIC_CHARSET", 178},
      {"HEBREW_CHARSET", 177},
      {"THAI_CHARSET", 222},
  }};
}

std::array<FontOption, 6> QualityOptions() {
  return {{
      {"DEFAULT_QUALITY", 0},
      {"ANTIALIASED_QUALITY", 4},
      {"CLEARTYPE_QUALITY", 5},
      {"DRAFT_QUALITY", 1},
      {"NONANTIALIASED_QUALITY", 3},
      {"PROOF_QUALITY", 2},
  }};
}

std::array<FontOption, 10> WeightOptions() {
  return {{
      {"FW_DONTCARE", 0},
      {"FW_THIN", 100},
      {"FW_ULTRALIGHT", 200},
      {"FW_LIGHT", 300},
      {"FW_NORMAL", 400},
      {"FW_MEDIUM", 500},
      {"FW_SEMIBOLD", 600},
      {"FW_BOLD", 700},
      {"FW_ULTRABOLD", 800},
      {"FW_HEAVY", 900},
  }};
}

}  // namespace vantor
