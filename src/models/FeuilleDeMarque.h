#pragma once

#include <array>
#include <string>
#include <vector>

#include "models/HistoriqueDesDonnes.h"

// The score sheet of a game: one line a deal, in the user's words, as the table window shows it
// on demand. A deal whose mode is not chosen yet has no line; one still being played has its
// mode and chooser but no points yet.
struct LigneDeMarque {
    std::string donne;   // "3"
    std::string atout;   // "Pique x2"
    std::string choix;   // "Partenaire (chibre de Zoé)"
    std::array<std::string, 2> points;  // the deal's points with its melds, per team
    std::array<std::string, 2> totaux;  // each team's total after the deal
};

// noms: the players' names by seat.
std::vector<LigneDeMarque> feuilleDeMarque(const HistoriqueDesDonnes& historique,
                                           const std::array<std::string, 4>& noms);

// The two players of a team, as the sheet's column heads name them: "Zoé & Partenaire".
std::string nomDEquipe(const std::array<std::string, 4>& noms, int equipe);
