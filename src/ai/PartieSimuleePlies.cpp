#include "ai/PartieSimuleePlies.h"

#include <algorithm>

#include "ai/PartieSimulee.h"
#include "platform/Assertion.h"

namespace {
constexpr const char* SOURCE = "PartieSimuleePlies";
constexpr int CARTES_DU_JEU = 36;
}  // namespace

PartieSimuleePlies::PartieSimuleePlies(const CarteSet (&mains)[4], const Partie& partie, const Carte* carte,
                                       int joueurNo)
    : equipe1_(joueurNo == 0 || joueurNo == 2),
      mains_{mains[0], mains[1], mains[2], mains[3]},
      partie_(partie),
      carteChoisie_(carte) {
    if (carte) {
        mains_[joueurNo].erase(*carte);
        partie_.joueCarte(*carte, joueurNo);
    }
    calculeValeurs();
}

bool PartieSimuleePlies::developpe(int& noeudsPermis) {
    if (partie_.estTerminee()) return false;
    bool grandi = false;
    if (estFeuille_) {
        const int joueur = partie_.noDuProchainAJouer();
        const CarteSet jouables = partie_.cartesJouables(mains_[joueur]);
        if (static_cast<int>(jouables.size()) > noeudsPermis) return false;
        noeudsPermis -= static_cast<int>(jouables.size());
        parties_.reserve(jouables.size());
        for (const Carte& carte : jouables) parties_.emplace_back(mains_, partie_, &carte, joueur);
        positionDernierePartieValide_ = static_cast<std::int16_t>(parties_.size());
        grandi = !parties_.empty();
    } else {
        for (PartieSimuleePlies& enfant : parties_)
            if (!enfant.estEliminee_) grandi = enfant.developpe(noeudsPermis) || grandi;
    }
    elague();
    estFeuille_ = false;
    calculeValeurs();
    return grandi;
}

void PartieSimuleePlies::elague() {
    const PartieSimuleePlies* best = nullptr;
    for (const PartieSimuleePlies& enfant : parties_)
        if (!enfant.estEliminee_ && (!best || best->estMoinsBonneQue(enfant, false))) best = &enfant;
    if (!best) return;
    for (PartieSimuleePlies& enfant : parties_) {
        if (enfant.estEliminee_ || !enfant.estMoinsBonneQue(*best, false)) continue;
        enfant.estEliminee_ = true;
        // A pruned line is never looked at again: only its own card and values stay.
        std::vector<PartieSimuleePlies>().swap(enfant.parties_);
    }
}

void PartieSimuleePlies::calculeValeurs() {
    if (estFeuille_) {
        const int points = PartieSimulee::POINTS_DONNE_COMPLETE;
        valeurs_[0] = static_cast<std::int16_t>(points - partie_.getPointsEquipe2());
        valeurs_[1] = static_cast<std::int16_t>(points - partie_.getPointsEquipe1());
        plis_[0] = static_cast<std::int16_t>(CARTES_DU_JEU - partie_.getCartesRamasseesEq2());
        plis_[1] = static_cast<std::int16_t>(CARTES_DU_JEU - partie_.getCartesRamasseesEq1());
        return;
    }
    // Team 1's values are maximised under a node of team 1, team 2's minimised, and the other
    // way round under a node of team 2.
    for (int equipe = 0; equipe < 2; ++equipe) {
        const bool maximum = equipe1_ == (equipe == 0);
        bool trouve = false;
        std::int16_t valeur = VALEUR_ELIMINEE;
        std::int16_t plis = VALEUR_ELIMINEE;
        for (const PartieSimuleePlies& enfant : parties_) {
            if (enfant.estEliminee_) continue;
            const std::int16_t v = enfant.valeurs_[equipe];
            const std::int16_t p = enfant.plis_[equipe];
            valeur = !trouve ? v : maximum ? std::max(valeur, v) : std::min(valeur, v);
            plis = !trouve ? p : maximum ? std::max(plis, p) : std::min(plis, p);
            trouve = true;
        }
        valeurs_[equipe] = valeur;
        plis_[equipe] = plis;
    }
}

bool PartieSimuleePlies::estMoinsBonneQue(const PartieSimuleePlies& autre, bool departage) const {
    if (autre.estEliminee_) return false;
    if (estEliminee_) return true;
    if (valeur() != autre.valeur()) return valeur() < autre.valeur();
    if (!departage || plis() != autre.plis()) return plis() < autre.plis();
    const Atout t = partie_.atout();
    const Carte& a = *carteChoisie_;
    const Carte& b = *autre.carteChoisie_;
    if (b.getCouleur() == ::valeur(t)) return false;
    if (a.getCouleur() == ::valeur(t)) return true;
    if (partie_.nbCartesJouees() % 4 == 1) return b.estPlusForteQue(a, t);
    return a.estPlusForteQue(b, t);
}

const PartieSimuleePlies* PartieSimuleePlies::partieChoisie() const {
    TW_ASSERT(positionDernierePartieValide_ > 1, SOURCE);
    const PartieSimuleePlies* partieChoisie = parties_.empty() ? nullptr : &parties_.front();
    for (std::size_t i = 1; i < parties_.size(); ++i)
        if (partieChoisie->estMoinsBonneQue(parties_[i], true)) partieChoisie = &parties_[i];
    TW_ASSERT(partieChoisie != NULL, SOURCE);
    if (partieChoisie) TW_ASSERT(partieChoisie->carteChoisie_ != NULL, SOURCE);
    return partieChoisie;
}
