#pragma once

#include <cstdint>

#include "platform/Assertion.h"
#include "rules/CarteSet.h"

// A value per card, with the set of cards that have one. The value is wide enough to hold an
// object reference, which is how the simulations attach their own records to cards.
class MapCartes {
public:
    using Valeur = std::intptr_t;

    // Gives the card an entry when it has none; a fresh entry is 0.
    Valeur& operator[](const Carte* carte) {
        TW_ASSERT(carte != NULL, "MapCartes");
        if (!carte) return poubelle_;
        if (!cartes_.contient(*carte)) {
            cartes_.insert(*carte);
            valeurs_[carte->getTag()] = 0;
        }
        return valeurs_[carte->getTag()];
    }
    void erase(const Carte* carte) {
        TW_ASSERT(carte != NULL, "MapCartes");
        if (carte) cartes_.erase(*carte);
    }
    CarteSet::const_iterator find(const Carte& carte) const { return cartes_.find(carte); }
    CarteSet::const_iterator begin() const { return cartes_.begin(); }
    CarteSet::const_iterator end() const { return cartes_.end(); }
    unsigned size() const { return cartes_.size(); }
    const CarteSet& cartes() const { return cartes_; }

private:
    CarteSet cartes_;
    Valeur valeurs_[Carte::NB_CARTES] = {};
    // Where a write through a null card goes after the failed check, so it corrupts nothing.
    Valeur poubelle_ = 0;
};
