#include "ai/Maitre_Croyances.h"

#include <algorithm>
#include <cmath>

#include "rules/KnuthRandom.h"

Maitre_Croyances::Maitre_Croyances(const Partie& partie, int moi, CarteSet maMain, const Maitre_CeQuiAEteVu& vu)
    : echantillonneur_(partie, moi, maMain, vu.annoncees), indices_(partie, moi, vu) {}

Maitre_Croyances::Tirage Maitre_Croyances::tire(KnuthRandom& aleatoire, int nombre) const {
    Tirage tirage;
    if (nombre <= 0) return tirage;
    if (indices_.vide()) {
        for (int k = 0; k < nombre; ++k) {
            tirage.donnes.push_back(echantillonneur_.tire(aleatoire));
            tirage.suite.push_back(k);
        }
        return tirage;
    }
    const int nbCandidats = nombre * CANDIDATS_PAR_DONNE;
    std::vector<double> poids(static_cast<std::size_t>(nbCandidats));
    double plusGrand = -1e300;
    for (int k = 0; k < nbCandidats; ++k) {
        tirage.donnes.push_back(echantillonneur_.tire(aleatoire));
        poids[k] = CONFIANCE * indices_.logVraisemblance(tirage.donnes.back());
        plusGrand = std::max(plusGrand, poids[k]);
    }
    double total = 0;
    for (double& p : poids) total += p = std::exp(p - plusGrand);

    // Systematic resampling: one draw places `nombre` evenly spaced marks on the weights laid end
    // to end; then the deals chosen are taken in a random order, so that a search stopped early
    // still uses a fair share of them.
    constexpr int PRECISION = 1 << 30;
    const double pas = total / nombre;
    double marque = pas * aleatoire.tire(PRECISION) / PRECISION;
    double cumul = 0;
    for (int k = 0; k < nbCandidats && static_cast<int>(tirage.suite.size()) < nombre; ++k) {
        cumul += poids[k];
        while (marque < cumul && static_cast<int>(tirage.suite.size()) < nombre) {
            tirage.suite.push_back(k);
            marque += pas;
        }
    }
    // Rounding may leave the last mark past the end.
    while (static_cast<int>(tirage.suite.size()) < nombre) tirage.suite.push_back(nbCandidats - 1);
    for (int i = nombre - 1; i > 0; --i) std::swap(tirage.suite[i], tirage.suite[aleatoire.tire(i + 1)]);
    return tirage;
}
