#include "ai/Probabilite.h"

Probabilite::Probabilite(AnalyseJoueur::Serie& serie) : serie_(serie) { serie_.clear(); }

void Probabilite::ajoute(int valeur) {
    const int place = borne(valeur);
    ++total_;
    const std::int32_t hauteur = ++valeurs_[static_cast<unsigned>(place)];
    serie_.push_back({double(place), double(hauteur), ""});
}
