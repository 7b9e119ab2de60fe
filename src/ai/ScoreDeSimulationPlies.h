#pragma once

#include "ai/ScoreDeSimulation.h"

// The tally of a trick-by-trick decision: as for the full search, the card named most often wins
// (the last to reach that count on a tie); it also keeps, for the analysis, the cards won by
// each card's lines and which card reached the best single score and the most cards won.
class ScoreDeSimulationPlies : public ScoreDeSimulation {
public:
    void ajoute(const Carte& carte, double score, double plis);
    const Carte* carteQuiALeMeilleurNbDeFois() const { return carteQuiALeMeilleurScore(); }

    double sommeDesPlis(const Carte& carte) const { return sommeDesPlis_[carte.getTag()]; }
    std::int32_t tagDeLaCarteQuiALeMeilleurScorePlies() const { return tagDeLaCarteQuiALeMeilleurScorePlies_; }
    std::int32_t tagDeLaCarteQuiALeMeilleurPlis() const { return tagDeLaCarteQuiALeMeilleurPlis_; }

private:
    std::array<double, Carte::NB_CARTES> sommeDesPlis_{};
    double meilleurScore_ = -1000.0;
    std::int32_t tagDeLaCarteQuiALeMeilleurScorePlies_ = -1000;
    double meilleursPlis_ = -1000.0;
    std::int32_t tagDeLaCarteQuiALeMeilleurPlis_ = -1000;
};
