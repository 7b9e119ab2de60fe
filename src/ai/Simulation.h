#pragma once

#include <cstdint>

#include "ai/PartieSimulee.h"
#include "rules/CarteSet.h"

class AnalyseJoueur;
class DistributionProbableDesCartes;
class KnuthRandom;
class Partie;

// One sample of a simulating player's card choice: the unseen cards dealt by the player's
// probable distribution, then that fully known deal searched to its end, every seat playing for
// its team. The player's level thins the alternatives at random: the deeper in the line, the
// fewer are tried, and from the eighth card of a line on every seat plays one random legal card.
class Simulation {
public:
    Simulation(const DistributionProbableDesCartes& distribution, const Partie& partieEnCours, CarteSet cartesEnMain,
               int joueurNo, std::uint8_t niveau, KnuthRandom& random, AnalyseJoueur& formAnalyse);

    // False, after an internal error, when the distribution could not deal the unseen cards.
    bool mainsTirees() const { return mainsTirees_; }

    // Searches this sample under the tree node `noeud` and names a card; `score` receives what
    // the deciding seat's team keeps at the end of the line found.
    const Carte& simule(int noeud, int& score);

    // The search below the position `noeud`, where `cartesJouables` may be played and
    // `recursiveDeep` cards have been played since the decision point. Returns the final position
    // of the line chosen.
    PartieSimulee cherche(const PartieSimulee& noeud, CarteSet cartesJouables, int recursiveDeep);

    // Alternatives kept at that depth of a line.
    static int nbAlternatives(int niveau, int recursiveDeep);

protected:
    PartieSimulee depart() const;

    AnalyseJoueur& formAnalyse_;
    const Partie& partieEnCours_;
    CarteSet cartesEnMainJoueurActuelOriginial_;
    CarteSet cartesJoueurNoAvantSimulation_[4];
    int identification_;
    std::uint8_t niveau_;
    KnuthRandom& random_;

private:
    bool prepareLesMains(const DistributionProbableDesCartes& distribution);
    // Removes the card at a random place until `combien` are left.
    CarteSet eclaircit(CarteSet cartes, unsigned combien);

    bool mainsTirees_;
};
