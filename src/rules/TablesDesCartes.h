#pragma once

#include <array>
#include <cstdint>

#include "rules/Atout.h"

// Points and strength of every card in every mode, computed once at compile time, so the deal
// engine and the searches read them with one lookup. Indexed by mode value (0 to 7) and tag.
namespace tables {

constexpr int couleurDuTag(unsigned tag) { return static_cast<int>(tag / 9 + 1); }
constexpr int rangDuTag(unsigned tag) { return static_cast<int>(tag % 9); }  // 0 = Six ... 8 = As

// Rows: Six, Sept, Huit, Neuf, Dix, Valet, Dame, Roi, As.
constexpr int pointsAtout[9] = {0, 0, 0, 14, 10, 20, 3, 4, 11};
constexpr int pointsNormal[9] = {0, 0, 0, 0, 10, 2, 3, 4, 11};
constexpr int pointsSansAtout[9] = {0, 0, 8, 0, 10, 2, 3, 4, 11};
constexpr int forceAtout[9] = {1, 2, 3, 8, 4, 9, 5, 6, 7};

constexpr int calculePoints(int atout, unsigned tag) {
    const int rang = rangDuTag(tag);
    if (couleurDuTag(tag) == atout) return pointsAtout[rang];
    return atout < 5 ? pointsNormal[rang] : pointsSansAtout[rang];
}

constexpr int calculeForce(int atout, unsigned tag) {
    const int rang = rangDuTag(tag);
    if (couleurDuTag(tag) == atout) return forceAtout[rang];
    return atout == valeur(Atout::BasEnHaut) ? 9 - rang : rang + 1;
}

template <int (*Fonction)(int, unsigned)>
constexpr std::array<std::array<std::int8_t, 36>, 8> construitTable() {
    std::array<std::array<std::int8_t, 36>, 8> table{};
    for (int atout = 0; atout < 8; ++atout)
        for (unsigned tag = 0; tag < 36; ++tag) table[atout][tag] = static_cast<std::int8_t>(Fonction(atout, tag));
    return table;
}

inline constexpr auto points = construitTable<calculePoints>();
inline constexpr auto force = construitTable<calculeForce>();

// The nine tags of a suit as a mask of a card set.
constexpr std::uint64_t masqueCouleur(int couleur) {
    return couleur >= 1 && couleur <= 4 ? std::uint64_t{0x1FF} << (9 * (couleur - 1)) : 0;
}

}  // namespace tables
