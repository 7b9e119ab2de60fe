#pragma once

#include <array>
#include <cstdint>

#include "ai/AnalyseJoueur.h"

// The scores one candidate card got from the samples of a decision, counted by score and drawn
// as bars on the card's projection page: how often each score came out.
class Probabilite {
public:
    static constexpr int NB_VALEURS = 1806;

    explicit Probabilite(AnalyseJoueur::Serie& serie);

    // A score outside the counted range (a trick-by-trick line can end below 0 under a
    // multiplier) is counted and drawn at the nearest end of the range.
    void ajoute(int valeur);

    std::int32_t nombre(int valeur) const { return valeurs_[static_cast<unsigned>(borne(valeur))]; }
    std::int32_t total() const { return total_; }
    static int borne(int valeur) { return valeur < 0 ? 0 : valeur >= NB_VALEURS ? NB_VALEURS - 1 : valeur; }

private:
    std::array<std::int32_t, NB_VALEURS> valeurs_{};
    std::int32_t total_ = 0;
    AnalyseJoueur::Serie& serie_;
};
