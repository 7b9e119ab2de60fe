#pragma once

#include "platform/Assertion.h"

// The four seats around the table, 0 to 3, with play going round to the next seat. Partners sit
// opposite each other: team 0 holds seats 0 and 2, team 1 seats 1 and 3. These helpers are the
// only place that knows the arithmetic; a seat out of range is an internal error, reported, and
// then folded into range so that no array is ever read outside its bounds.
namespace siege {

inline constexpr int NB_SIEGES = 4;
inline constexpr int NB_EQUIPES = 2;

constexpr bool estValide(int siege) { return siege >= 0 && siege < NB_SIEGES; }

constexpr int verifie(int siege) {
    TW_ASSERT(estValide(siege), "Siege");
    return siege & 3;
}

// The seat reached by counting any number of places from seat 0, however far or backwards.
constexpr int duNombre(int places) { return (places % NB_SIEGES + NB_SIEGES) % NB_SIEGES; }

constexpr int suivant(int siege) { return (verifie(siege) + 1) % NB_SIEGES; }
constexpr int partenaire(int siege) { return (verifie(siege) + 2) % NB_SIEGES; }
// The seat that many places further round the table (negative: backwards).
constexpr int decale(int siege, int places) { return duNombre(verifie(siege) + places); }
// 0 for seats 0 and 2, 1 for seats 1 and 3.
constexpr int equipe(int siege) { return verifie(siege) % NB_EQUIPES; }
constexpr bool memeEquipe(int a, int b) { return equipe(a) == equipe(b); }

}  // namespace siege
