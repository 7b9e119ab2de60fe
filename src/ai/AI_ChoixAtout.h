#pragma once

#include "rules/CarteSet.h"
#include "rules/StatusAtout.h"

class AnalyseJoueur;
class TypeDePartie;

// How the evaluation-based player chooses trump: each mode the variant allows is scored by the
// weights of the hand's cards for it (the no-trump modes at 0.4 of their weight), and the best
// mode is chosen, the earliest on a tie. A weak or flat hand holding all four suits passes the
// choice to the partner (chibre), unless the partner already passed it.
class AI_ChoixAtout {
public:
    static constexpr double POIDS_SANS_ATOUT = 0.4;
    static constexpr double SCORE_MINIMUM = 5;
    static constexpr double ECART_MINIMUM = 4;

    // The decision, its multiplier set from the variant (0 for a chibre). With an analysis, the
    // weighing is written to it: every mode's score, whether all suits are held, the trump
    // total, the spread between the best and the worst mode, and the chibre advice.
    static StatusAtout choisit(StatusAtout statusAtout, CarteSet cartesEnMain, const TypeDePartie& typeDePartie,
                               AnalyseJoueur* analyse = nullptr);
    static double score(CarteSet cartesEnMain, Atout atout);
};
