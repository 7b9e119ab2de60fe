#pragma once

#include <cstdint>
#include <string>

// The trump mode of a deal. The four suit modes carry the values of the suits, so a card is a
// trump exactly when its suit value equals the mode; no card is a trump in modes 5 to 7.
// The values travel in events and files.
enum class Atout : std::uint8_t {
    Invalide = 0,
    Trefle = 1,
    Carreau = 2,
    Pique = 3,
    Coeur = 4,
    HautEnBas = 5,
    BasEnHaut = 6,
    ZigZag = 7,
};

constexpr int valeur(Atout atout) { return static_cast<int>(atout); }
constexpr bool estModeCouleur(Atout atout) { return atout >= Atout::Trefle && atout <= Atout::Coeur; }

// The shown name of a mode value; any value outside 1 to 7 is the invalid-status text.
std::string nomAtout(int valeurAtout);
inline std::string nomAtout(Atout atout) { return nomAtout(valeur(atout)); }
