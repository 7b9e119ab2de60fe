#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "rules/CarteSet.h"
#include "rules/TypeDePartie.h"

// What the master saw of a deal besides the deal's own state: it is all the master reasons from.
// The deal knows who chose the trump; who had to choose tells whether the choice was passed on
// (chibre).
struct Maitre_CeQuiAEteVu {
    int joueurDoitChoisirAtout = 0;
    // The variant: the modes a seat could choose from.
    TypeDePartie typeDePartie;
    // The cards of each seat's announced melds.
    std::array<CarteSet, 4> annoncees{};
    // The tags of the cards played, in the order they were played.
    std::vector<std::uint8_t> cartesJouees;
};
