#pragma once

#include <array>
#include <cstdint>

#include "rules/CarteSet.h"

// The tally of one card decision over its samples: how often each card was named and the sum of
// the scores it got. The card named most often is played; among cards named equally often, the
// one that reached that count last. The sums are kept for the analysis, they do not decide.
class ScoreDeSimulation {
public:
    virtual ~ScoreDeSimulation() = default;

    void ajoute(const Carte& carte, double score);
    // Null, after an internal error, when no sample was added.
    const Carte* carteQuiALeMeilleurScore() const;

    std::int32_t nbDeFois(const Carte& carte) const { return nbDeFois_[carte.getTag()]; }
    double sommeDesScores(const Carte& carte) const { return sommeDesScores_[carte.getTag()]; }
    CarteSet cartes() const { return cartes_; }

private:
    std::array<std::int32_t, Carte::NB_CARTES> nbDeFois_{};
    std::array<double, Carte::NB_CARTES> sommeDesScores_{};
    double meilleurNbDeFois_ = -1.0;
    std::int32_t tagDeLaCarteQuiALeMeilleurScore_ = -1;
    CarteSet cartes_;
};
