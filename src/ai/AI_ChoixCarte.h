#pragma once

#include "rules/CarteSet.h"

class AI_HistoEvaluations;
class AI_ProbaSimplifiee;
class AnalyseJoueur;
class KnuthRandom;
class Partie;

// How the evaluation-based player chooses a card: a single playable card is played as it is;
// the first lead of a deal its team chose is the highest trump when the player has that habit;
// otherwise every playable card is judged by repeated simulated continuations (a freshly dealt
// distribution of the unseen cards, a pruned search and random playouts each time) and the card
// with the best mean wins. The same situation and generator state give the same card.
class AI_ChoixCarte {
public:
    // Points a deal can be worth, before its multiplier.
    static constexpr int POINTS_MAXI = 257;

    AI_ChoixCarte(int noJoueur, int niveau, bool departAtoutPlusHaut);

    // Evaluations per candidate card at a level: the beginner's are shallow but many.
    static int repetitions(int niveau);

    // `joueurDoitChoisirAtout` is the seat that had to choose trump in this deal. Null, after an
    // internal error, only when the hand holds no playable card.
    const Carte* choisit(const Partie& partie, int joueurDoitChoisirAtout, CarteSet cartesEnMain,
                         const AI_ProbaSimplifiee& probas, KnuthRandom& aleatoire, AnalyseJoueur& analyse) const;

    // The first lead of a deal this seat's team chose, for a player with the habit of leading
    // with the highest trump: that trump. Null otherwise, and in a no-trump mode.
    static const Carte* entreeEnJeu(const Partie& partie, int joueurDoitChoisirAtout, int noJoueur,
                                    bool departAtoutPlusHaut, CarteSet cartesEnMain);

    // Judges every playable card by its repeated evaluations, adding the samples to `histos`.
    void evalue(const Partie& partie, CarteSet jouables, const AI_ProbaSimplifiee& probas, KnuthRandom& aleatoire,
                AI_HistoEvaluations& histos) const;

private:
    int noJoueur_;
    int niveau_;
    bool departAtoutPlusHaut_;
};
