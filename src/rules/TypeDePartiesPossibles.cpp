#include "rules/TypeDePartiesPossibles.h"

namespace {
constexpr std::int32_t SANS_REMARQUE = -1;
// Only the no-trump modes change the Huit's points, so only the variants that offer them
// carry the remark.
constexpr std::int32_t REMARQUE_HUIT = 1796;
}  // namespace

// Multipliers by mode: Invalide, Trefle, Carreau, Pique, Coeur, HautEnBas, BasEnHaut, ZigZag.
TypeDePartiesPossibles::TypeDePartiesPossibles()
    : types_{{
          {1792, 1000, 4, {0, 1, 1, 1, 1, 0, 0, 0}, SANS_REMARQUE},
          {1793, 1500, 4, {0, 1, 1, 2, 1, 0, 0, 0}, SANS_REMARQUE},
          {1794, 3000, 6, {0, 2, 1, 2, 1, 3, 4, 0}, REMARQUE_HUIT},
          {1795, 4000, 7, {0, 2, 1, 2, 1, 3, 4, 5}, REMARQUE_HUIT},
      }} {}

const TypeDePartiesPossibles& TypeDePartiesPossibles::commune() {
    static const TypeDePartiesPossibles types;
    return types;
}
