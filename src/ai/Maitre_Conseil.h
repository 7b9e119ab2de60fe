#pragma once

#include <atomic>

#include "ai/Maitre_CeQuiAEteVu.h"
#include "ai/Maitre_Solveur.h"
#include "rules/CarteSet.h"

class Partie;

// The master's card for the seat to play, worked out fairly for a person at the table: from that
// seat's hand and what the seat saw (the cards played in their order, the melds shown, who chose
// the mode), never from the hands it cannot see; it reasons as the master playing that seat would,
// its deals weighed by the other seats' decisions. It starts from the same generator state every
// time and is bounded by its work budget alone (no clock), so one situation always gets one
// answer. It may take a second: the windows ask for it from another thread.
class Maitre_Conseil {
public:
    explicit Maitre_Conseil(bool departAtoutPlusHaut);

    // None when `abandon` was set meanwhile.
    const Carte* carte(const Partie& partie, CarteSet main, const Maitre_CeQuiAEteVu& vu, const std::atomic<bool>& abandon);

private:
    Maitre_Solveur solveur_;
    bool departAtoutPlusHaut_;
};
