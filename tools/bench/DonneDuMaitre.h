#pragma once

// A deal for the master's benchmarks: four hands drawn from the generator and the trump chosen by
// the evaluation-based player's weighing of the hand of the seat that leads (chibre not allowed);
// the seat that leads turns with the deal's number.
#include <array>

#include "ai/AI_ChoixAtout.h"
#include "rules/JeuDeCartes.h"
#include "rules/KnuthRandom.h"
#include "rules/Partie.h"
#include "rules/TypeDePartie.h"

struct DonneDuMaitre {
    std::array<CarteSet, 4> mains;
    Partie partie;
};

inline DonneDuMaitre tireDonneDuMaitre(const JeuDeCartes& jeu, KnuthRandom& generateur, int numero,
                                       const TypeDePartie& type) {
    CarteSet reste = jeu.getCartes();
    std::array<CarteSet, 4> mains;
    for (CarteSet& main : mains) main = jeu.tireCartes(reste, generateur);
    const int premier = numero % 4;
    StatusAtout apresChibre;
    apresChibre.estChibre = true;
    const Atout atout = AI_ChoixAtout::choisit(apresChibre, mains[premier], type).atout;
    return {mains, Partie(atout, CarteSet::complet(), premier, premier, 1)};
}
