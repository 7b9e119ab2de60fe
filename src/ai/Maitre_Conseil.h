#pragma once

#include <array>
#include <atomic>

#include "ai/Maitre_Solveur.h"
#include "rules/CarteSet.h"

class Partie;

// The master's card for the seat to play, worked out fairly for a person at the table: from that
// seat's hand, the cards played and the melds shown, never from the hands it cannot see. It starts
// from the same generator state every time and is bounded by its work budget alone (no clock), so
// one situation always gets one answer. It may take a second: the windows ask for it from another
// thread.
class Maitre_Conseil {
public:
    explicit Maitre_Conseil(bool departAtoutPlusHaut);

    // `joueurDoitChoisirAtout`: the seat that was asked for the mode first (it led the first
    // trick); `annoncees`: by seat, the cards of the melds shown. None when `abandon` was set
    // meanwhile.
    const Carte* carte(const Partie& partie, int joueurDoitChoisirAtout, CarteSet main,
                       const std::array<CarteSet, 4>& annoncees, const std::atomic<bool>& abandon);

private:
    Maitre_Solveur solveur_;
    bool departAtoutPlusHaut_;
};
