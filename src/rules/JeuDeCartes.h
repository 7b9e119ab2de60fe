#pragma once

#include <functional>

#include "rules/CarteSet.h"

class KnuthRandom;

// The deck of a table: the full set of the 36 cards, from which every deal draws its hands. There
// is no shuffled order: each hand is drawn card by card from the cards not yet dealt, so the
// generator's state alone decides the deals and a saved game deals them again identically.
class JeuDeCartes {
public:
    // Given n, an index in 0 .. n-1.
    using Tirage = std::function<int(int)>;

    static constexpr unsigned nbJoueurs() { return 4; }

    JeuDeCartes();

    CarteSet getCartes() const { return jeu_; }
    unsigned size() const { return jeu_.size(); }

    // Draws one hand of 36 / 4 cards from jeu and removes them from it.
    CarteSet tireCartes(CarteSet& jeu, KnuthRandom& generateur) const;
    CarteSet tireCartes(CarteSet& jeu, const Tirage& tirage) const;

private:
    CarteSet jeu_;
};
