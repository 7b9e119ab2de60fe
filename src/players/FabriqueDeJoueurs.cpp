#include "players/FabriqueDeJoueurs.h"

#include <array>

namespace {
std::array<FabriqueJoueur, 8>& fabriques() {
    static std::array<FabriqueJoueur, 8> parRace{};
    return parRace;
}
}  // namespace

void enregistreFabrique(int race, FabriqueJoueur fabrique) {
    if (race >= 0 && race < static_cast<int>(fabriques().size())) fabriques()[race] = fabrique;
}

FabriqueJoueur fabriquePour(int race) {
    return race >= 0 && race < static_cast<int>(fabriques().size()) ? fabriques()[race] : nullptr;
}
