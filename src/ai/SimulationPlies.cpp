#include "ai/SimulationPlies.h"

#include "ai/PartieSimuleePlies.h"

int SimulationPlies::horizon(int nbCartesJouees) {
    if (nbCartesJouees < 13) return 4;
    if (nbCartesJouees <= 16) return 8;
    return 36;
}

int SimulationPlies::nbDeveloppements(int nbCartesJouees) {
    return 4 - nbCartesJouees % 4 + horizon(nbCartesJouees) - 4;
}

const Carte& SimulationPlies::simule(int& score) {
    PartieSimuleePlies racine(cartesJoueurNoAvantSimulation_, partieEnCours_, nullptr,
                              partieEnCours_.noDuProchainAJouer());
    const int nbCartesJouees = static_cast<int>(partieEnCours_.nbCartesJouees());
    // Once every line has reached the end of the deal, further calls change nothing.
    int noeudsPermis = NOEUDS_MAXIMUM;
    for (int appel = 0; appel < nbDeveloppements(nbCartesJouees) && racine.developpe(noeudsPermis); ++appel) {
    }
    score = racine.valeur();
    const PartieSimuleePlies* choisie = racine.partieChoisie();
    return choisie ? *choisie->carteChoisie() : *partieEnCours_.cartesJouables(cartesEnMainJoueurActuelOriginial_).begin();
}
