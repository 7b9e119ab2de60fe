#pragma once

#include "rules/CarteSet.h"

class AI_HistoEvaluationCarte;
class AI_ProbaSimplifiee;
class KnuthRandom;
class Partie;

// One simulated continuation of a deal after a candidate card: construction deals the unplayed
// cards into four hands from the card-location tables, evalue() searches the position and adds
// its samples to the candidate's collector.
class AI_Evaluation {
public:
    // Deepenings of the tree allowed beyond the current trick, each only while the tree holds
    // fewer nodes than the budget.
    static constexpr int NB_APPROFONDISSEMENTS = 32;
    static constexpr int BUDGET_NOEUDS = 250;

    // `probas` and `partie` (the candidate card already played in it) belong to the caller and
    // must outlive the evaluation.
    AI_Evaluation(AI_ProbaSimplifiee& probas, const Partie& partie, int noJoueur, int niveau, KnuthRandom& aleatoire);

    void evalue(const Carte& carte, AI_HistoEvaluationCarte& collecteur);

    const CarteSet (&mains() const)[4] { return cartesJoueurNoAvantSimulation_; }
    // How many cards each seat is dealt: the cards left divided among the seats, one more to
    // those that have not yet played in the trick in progress.
    static void nombresDeCartes(const Partie& partie, int (&nombres)[4]);

private:
    AI_ProbaSimplifiee& probas_;
    KnuthRandom& aleatoire_;
    const Partie& partie_;
    CarteSet cartesJoueurNoAvantSimulation_[4];
    int noJoueur;
    int niveau_;
    bool distribue_;
};
