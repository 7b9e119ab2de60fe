#pragma once

#include <array>
#include <cstdint>

#include "rules/Atout.h"
#include "rules/CarteSet.h"

class Partie;

// A deal in progress with every hand laid open: what the master's search plays on, one sampled
// distribution of the unseen cards at a time. A flat value of a few dozen bytes.
struct Maitre_PositionOuverte {
    // The hands by seat, as masks by tag.
    std::array<std::uint64_t, 4> mains{};
    // The cards of the trick in progress in the order they were played (the first led it).
    std::array<std::uint8_t, 3> pli{};
    std::uint8_t nbCartesPli = 0;
    std::uint8_t meneur = 0;
    // Tricks already won: in a zig-zag deal they decide which order the next trick follows.
    std::uint8_t plisFaits = 0;
    // Bit e set: team e (seats e and e + 2) has won every trick so far, so it may still take all
    // nine and earn the bonus.
    std::uint8_t toutPris = 3;
    // The mode chosen for the deal (the zig-zag mode itself in a zig-zag deal).
    Atout atout = Atout::Invalide;

    // The position of a deal with these hands (the cards of the trick in progress are no longer
    // in them).
    static Maitre_PositionOuverte depuis(const Partie& partie, const std::array<CarteSet, 4>& mains);
    // A deal about to start: `premier` leads the first trick.
    static Maitre_PositionOuverte depart(Atout atout, const std::array<CarteSet, 4>& mains, int premier);

    int aJouer() const { return (meneur + nbCartesPli) & 3; }
    // The mode in force for the trick in progress.
    Atout atoutDuPli() const;
};
