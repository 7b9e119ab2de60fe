#pragma once

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

// A sample of measured values: its mean with the half-width of a 95% confidence interval, and
// its quantiles.
class Echantillon {
public:
    void ajoute(double valeur) { valeurs_.push_back(valeur); }
    std::size_t taille() const { return valeurs_.size(); }

    double moyenne() const {
        double somme = 0;
        for (double v : valeurs_) somme += v;
        return valeurs_.empty() ? 0 : somme / double(valeurs_.size());
    }
    double demiIntervalle95() const {
        if (valeurs_.size() < 2) return 0;
        const double m = moyenne();
        double carres = 0;
        for (double v : valeurs_) carres += (v - m) * (v - m);
        const double ecartType = std::sqrt(carres / double(valeurs_.size() - 1));
        return 1.96 * ecartType / std::sqrt(double(valeurs_.size()));
    }
    double quantile(double q) const {
        if (valeurs_.empty()) return 0;
        std::vector<double> tries = valeurs_;
        std::sort(tries.begin(), tries.end());
        const auto rang = static_cast<std::size_t>(std::ceil(q * double(tries.size()))) ;
        return tries[std::min(tries.size() - 1, rang == 0 ? 0 : rang - 1)];
    }
    std::string moyenneEtIntervalle(int decimales = 1) const {
        char texte[96];
        std::snprintf(texte, sizeof texte, "%.*f +/- %.*f", decimales, moyenne(), decimales, demiIntervalle95());
        return texte;
    }

private:
    std::vector<double> valeurs_;
};
