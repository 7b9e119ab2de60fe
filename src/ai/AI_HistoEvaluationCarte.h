#pragma once

#include "ai/AI_HistoEvaluations.h"

// Collects the samples of one candidate card: each is the final points of the team of the seat
// that evaluates it.
class AI_HistoEvaluationCarte {
public:
    AI_HistoEvaluationCarte(AI_HistoEvaluations& histo, const Carte& carte, int noJoueur)
        : equipe1_(noJoueur == 0 || noJoueur == 2), histo_(histo), carte_(carte) {}

    bool estEquipe1() const { return equipe1_; }
    const Carte& carte() const { return carte_; }
    void ajoute(double points) { histo_.ajoute(carte_, points); }

private:
    bool equipe1_;
    AI_HistoEvaluations& histo_;
    const Carte& carte_;
};
