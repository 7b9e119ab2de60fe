#pragma once

#include <array>
#include <vector>

#include "ai/Maitre_Echantillonneur.h"
#include "ai/Maitre_Indices.h"

class KnuthRandom;

// The master's beliefs on the hidden hands: deals of the unseen cards that agree with everything
// seen (`Maitre_Echantillonneur`), drawn more often the better they explain the other seats'
// decisions (`Maitre_Indices`). Many more deals are imagined than used, each weighed by how
// likely the decisions seen were with its hands; the deals used are drawn from those by weight.
class Maitre_Croyances {
public:
    // Deals imagined for each deal used.
    static constexpr int CANDIDATS_PAR_DONNE = 12;
    // The power the weights are raised to: how much the model of play is trusted. Higher places
    // the cards better but keeps fewer distinct deals (measured by the beliefs benchmark).
    static constexpr double CONFIANCE = 1.5;

    struct Tirage {
        // The deals imagined.
        std::vector<std::array<CarteSet, 4>> donnes;
        // The deals used, in order, by their index in `donnes`: a deal may come back.
        std::vector<int> suite;
    };

    Maitre_Croyances(const Partie& partie, int moi, CarteSet maMain, const Maitre_CeQuiAEteVu& vu);

    Tirage tire(KnuthRandom& aleatoire, int nombre) const;

    const Maitre_Echantillonneur& echantillonneur() const { return echantillonneur_; }

private:
    Maitre_Echantillonneur echantillonneur_;
    Maitre_Indices indices_;
};
