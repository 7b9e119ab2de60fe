#include "ai/ScoreDeSimulation.h"

#include "platform/Assertion.h"

void ScoreDeSimulation::ajoute(const Carte& carte) {
    cartes_.insert(carte);
    const unsigned tag = carte.getTag();
    ++nbDeFois_[tag];
    if (nbDeFois_[tag] >= meilleurNbDeFois_) {
        meilleurNbDeFois_ = nbDeFois_[tag];
        tagDeLaCarteQuiALeMeilleurScore_ = static_cast<std::int32_t>(tag);
    }
}

const Carte* ScoreDeSimulation::carteQuiALeMeilleurScore() const {
    TW_ASSERT(tagDeLaCarteQuiALeMeilleurScore_ != -1, "ScoreDeSimulation");
    if (tagDeLaCarteQuiALeMeilleurScore_ == -1) return nullptr;
    return cartes_.parTag(static_cast<unsigned>(tagDeLaCarteQuiALeMeilleurScore_));
}
