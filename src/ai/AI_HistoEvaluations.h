#pragma once

#include <array>
#include <cstdint>

#include "ai/AI_ValeursEvaluation.h"
#include "ai/AnalyseJoueur.h"
#include "rules/CarteSet.h"

// The samples of one card decision: for every candidate card, how many samples it got and their
// sum, so that the card with the best mean can be found. Each candidate gets a projection page
// in the analysis window when its first sample arrives.
class AI_HistoEvaluations {
public:
    // pointsMaxi: the most a deal can be worth, multiplier included.
    AI_HistoEvaluations(AnalyseJoueur& analyse, std::int32_t pointsMaxi);
    AI_HistoEvaluations(const AI_HistoEvaluations&) = delete;
    AI_HistoEvaluations& operator=(const AI_HistoEvaluations&) = delete;

    void ajoute(const Carte& carte, double points);
    // The card with the best mean; a later tag wins a tie. Null, after an internal error, when
    // no card has a sample.
    const Carte* meilleureCarte() const;

    std::int32_t nbDeFois(const Carte& carte) const { return nbDeFois_[carte.getTag()]; }
    double somme(const Carte& carte) const { return sommes_[carte.getTag()]; }
    CarteSet cartes() const { return cartes_; }
    const AI_ValeursEvaluation& points() const { return points_; }

private:
    AI_ValeursEvaluation points_;
    std::array<std::int32_t, Carte::NB_CARTES> nbDeFois_{};
    std::array<double, Carte::NB_CARTES> sommes_{};
    std::array<AnalyseJoueur::Serie*, Carte::NB_CARTES> series_{};
    std::int32_t pointsMaxi_;
    CarteSet cartes_;
    AnalyseJoueur& analyse_;
};
