#pragma once

#include <array>
#include <cstdint>

#include "rules/CarteSet.h"

class KnuthRandom;
class Partie;

// Where the master believes the cards it has not seen may lie, from what it saw alone: its own
// hand, the cards played, the suits a seat showed it no longer holds (a seat that did not follow
// a trump lead may still keep the trump Valet), and the melds announced. It deals the unseen cards
// at random so that every deal it makes agrees with all of that.
class Maitre_Echantillonneur {
public:
    // `annoncees`: the cards of each seat's announced melds.
    Maitre_Echantillonneur(const Partie& partie, int moi, CarteSet maMain, const std::array<CarteSet, 4>& annoncees);

    // Four hands: its own as it is, the others drawn. A card goes to one of the seats that may
    // hold it, with chances in proportion to the room left in their hands, never so that the
    // cards left could no longer all find a place.
    std::array<CarteSet, 4> tire(KnuthRandom& aleatoire) const;

    std::uint64_t possibles(int siege) const { return possibles_[siege & 3]; }
    int taille(int siege) const { return tailles_[siege & 3]; }

private:
    int moi_;
    std::array<std::uint64_t, 4> certaines_{};
    std::array<std::uint64_t, 4> possibles_{};
    std::array<int, 4> tailles_{};
};
