#include "ai/ScoreDeSimulationPlies.h"

void ScoreDeSimulationPlies::ajoute(const Carte& carte, double score, double plis) {
    ScoreDeSimulation::ajoute(carte, score);
    const auto tag = static_cast<std::int32_t>(carte.getTag());
    sommeDesPlis_[carte.getTag()] += plis;
    if (score >= meilleurScore_) {
        meilleurScore_ = score;
        tagDeLaCarteQuiALeMeilleurScorePlies_ = tag;
    }
    if (plis >= meilleursPlis_) {
        meilleursPlis_ = plis;
        tagDeLaCarteQuiALeMeilleurPlis_ = tag;
    }
}
