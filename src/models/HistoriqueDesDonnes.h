#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "rules/Atout.h"
#include "rules/CarteSet.h"

// The deals of a game as the table's record of events tells them: for each deal its mode, who
// chose it (and who chibred), the cards each seat played trick by trick, and the points of the
// two teams. Read from the record alone, so it holds alike for a game being played, a replayed
// file and a network client's table, and it changes nothing of the game: the aids that show the
// last trick, the hands of a deal and the score sheet draw from it.
class HistoriqueDesDonnes {
public:
    struct Pli {
        std::array<const Carte*, 4> cartes{};  // by seat
        int premier = -1;                      // the seat that led it
        int gagnant = -1;
    };

    struct Donne {
        // Team totals before the deal (team 0: seats 0 and 2), already multiplied.
        std::array<std::int32_t, 2> totalAvant{};
        int chibrePar = -1;  // the seat that passed the choice to its partner, or -1
        int choisiPar = -1;  // -1 until a mode is chosen
        Atout atout = Atout::Invalide;
        int multiplicateur = 0;
        std::array<CarteSet, 4> cartesJouees;
        std::vector<Pli> plis;  // the tricks whose four cards are down, the last maybe not yet collected
        int plisRamasses = 0;
        // The deal's points with its melds, once the deal has ended: the next deal's totals less
        // these ones, or for the deal the game ended in, the final scores less these ones.
        std::optional<std::array<std::int32_t, 2>> points;
        // The card points alone, as the tricks gave them (the rest of the points are melds).
        std::array<std::int32_t, 2> pointsCartes{};
        // By seat, the cards of the melds the table showed every player: those of the best meld's
        // team, which is all anybody learns of the others' hands before the cards are played.
        std::array<CarteSet, 4> annoncesMontrees;

        bool estTerminee() const { return points.has_value(); }
        std::array<std::int32_t, 2> totalApres() const;
    };

    // Reads a record (one encoded event a line; lines that are not events, such as the version,
    // are passed over). scoresFinaux: the teams' scores when the game has ended, which close its
    // last deal.
    void lit(const std::vector<std::string>& enregistrement,
             const std::optional<std::array<std::int32_t, 2>>& scoresFinaux = std::nullopt);

    const std::vector<Donne>& donnes() const { return donnes_; }
    // The last deal that has ended, or none.
    const Donne* derniereDonneTerminee() const;
    // The last trick collected in the game, or none.
    const Pli* dernierPliRamasse() const;

private:
    std::vector<Donne> donnes_;
};
