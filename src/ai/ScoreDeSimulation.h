#pragma once

#include <array>
#include <cstdint>

#include "rules/CarteSet.h"

// The tally of one card decision over its samples, for both searches: how often each card was
// named. The card named most often is played; among cards named equally often, the one that
// reached that count last. The scores themselves do not decide (the projection pages show them).
class ScoreDeSimulation {
public:
    void ajoute(const Carte& carte);
    // Null, after an internal error, when no sample was added.
    const Carte* carteQuiALeMeilleurScore() const;

    CarteSet cartes() const { return cartes_; }

private:
    std::array<std::int32_t, Carte::NB_CARTES> nbDeFois_{};
    double meilleurNbDeFois_ = -1.0;
    std::int32_t tagDeLaCarteQuiALeMeilleurScore_ = -1;
    CarteSet cartes_;
};
