#pragma once

#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>

#include "rules/CarteSet.h"

// Short card names for fixtures: rank 6 7 8 9 X V D R A, then suit T (Trefle) K (Carreau)
// P (Pique) C (Coeur). "VP" is the Valet of Pique, "XC" the Dix of Coeur.
inline const Carte& c(std::string_view nom) {
    const std::string_view rangs = "6789XVDRA";
    const std::string_view couleurs = "TKPC";
    const auto rang = nom.size() == 2 ? rangs.find(nom[0]) : std::string_view::npos;
    const auto couleur = nom.size() == 2 ? couleurs.find(nom[1]) : std::string_view::npos;
    if (rang == std::string_view::npos || couleur == std::string_view::npos)
        throw std::invalid_argument("bad card name " + std::string(nom));
    return Carte::parTag(static_cast<unsigned>(couleur * 9 + rang));
}

// "6T 7T 8T" as a set.
inline CarteSet ens(const std::string& noms) {
    CarteSet set;
    std::istringstream flux(noms);
    std::string nom;
    while (flux >> nom) set.insert(c(nom));
    return set;
}
