#pragma once

#include <cstdint>
#include <string>

// A deterministic fingerprint of the whole engine: four computer players play a fixed number of
// games from a fixed start, headless on the virtual clock, and every event they produce is
// counted and hashed. Any change to the rules, the deal cycle, the generator or the computer
// players' choices changes it, so such a change is seen at once, and a change meant to alter
// nothing of the play can show that it does not.
struct SignatureDuMoteur {
    int parties = 0;
    int donnes = 0;
    std::int64_t evenements = 0;
    std::int64_t points[2] = {0, 0};
    std::uint64_t empreinte = 0;  // FNV-1a of every game's record, line by line

    std::string texte() const;
};

SignatureDuMoteur calculeSignatureDuMoteur(int nbParties, int graine);
