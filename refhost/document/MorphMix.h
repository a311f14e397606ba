#pragma once

#include <vector>

namespace refhost {

// One target's part in a mix, with its weight as the blend applies it:
// the percentage over 100, rounded to float.
struct MixTerm {
  int target = 0;  // unique ID
  float weight = 0.0f;
};

// How a merge made an object: the base's positions plus, term after term,
// weight × (target − base). A format that stores more of a vertex than its
// position (normals, tangents) mixes that the same way, so that the new
// object shades as the mix it shows.
struct MorphMix {
  int base = 0;  // unique ID
  std::vector<MixTerm> terms;
};

}  // namespace refhost
