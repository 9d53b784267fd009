#include "EveryPairKerning.h"

#include "platform/PairShaping.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace vantor::platform {

std::vector<KerningPair> EveryPairKerning(const SizedFace& face, const std::vector<std::uint32_t>& codePoints) {
  std::vector<KerningPair> pairs;
  const ShapingFont font(face);
  hb_unicode_funcs_t* unicode = hb_unicode_funcs_get_default();
  std::map<hb_script_t, PairShaper> shapers;
  std::vector<hb_position_t> moved;
  for (const std::uint32_t first : codePoints) {
    for (const std::uint32_t second : codePoints) {
      const hb_script_t script = PairScript(unicode, first, second);
      PairShaper& shaper = shapers.try_emplace(script, font.Font(), script).first->second;
      if (!shaper.Measure({first, second}, moved)) continue;
      const int amount = static_cast<int>(std::lround(moved[0] * font.Scale()));
      if (amount != 0) pairs.push_back({first, second, amount});
    }
  }
  std::sort(pairs.begin(), pairs.end(), [](const KerningPair& l, const KerningPair& r) {
    return l.first != r.first ? l.first < r.first : l.second < r.second;
  });
  return pairs;
}

}  // namespace vantor::platform
