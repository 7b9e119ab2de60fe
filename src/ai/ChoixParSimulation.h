#pragma once

#include <functional>
#include <optional>

#include "rules/CarteSet.h"

class AnalyseJoueur;
class DistributionProbableDesCartes;
class KnuthRandom;
class Partie;

// What a simulating player brings to a card choice: its beliefs, its seat and level, its own
// random generator and the analysis it writes to.
struct Simulateur {
    const DistributionProbableDesCartes& distribution;
    int noJoueur;
    int niveau;
    KnuthRandom& random;
    AnalyseJoueur& analyse;
};

// What one sample of a simulating player names: a card and the score its line reached.
struct ResultatDEchantillon {
    const Carte* carte;
    int score;
};

// The frame of a simulating player's card choice, shared by the full search and the
// trick-by-trick one: the analysis is prepared (a line of minus signs, the tree's root, the
// projection pages removed), a single legal card is played as it is, otherwise the samples run
// one after the other and every card they name gets a projection page with the histogram of its
// scores. The caller's samples keep their own tally, which names the answer.
class ChoixParSimulation {
public:
    // Runs one sample under the tree's root; nothing when the unseen cards could not be dealt.
    using Echantillon = std::function<std::optional<ResultatDEchantillon>(int racine)>;
    // The card the tally names, or null when it holds no sample.
    using Meilleure = std::function<const Carte*()>;

    ChoixParSimulation(AnalyseJoueur& analyse, int noJoueur) : analyse_(analyse), noJoueur_(noJoueur) {}

    // A card of `cartesEnMain` that may be played. When the beliefs cannot give any deal, after
    // the internal error of the first failed sample, the first legal card.
    const Carte* choisit(const Partie& partieEnCours, CarteSet cartesEnMain, int nbSimulations,
                         const Echantillon& echantillon, const Meilleure& meilleure) const;

    // Samples of a full-search decision: more as the deal goes on, 5 at the first card and 15
    // in the eighth trick.
    static int nbSimulations(unsigned nbCartesJouees) { return static_cast<int>(nbCartesJouees / 3 + 5); }

private:
    AnalyseJoueur& analyse_;
    int noJoueur_;
};
