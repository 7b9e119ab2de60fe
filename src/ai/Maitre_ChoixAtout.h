#pragma once

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>

#include "ai/Maitre_ArretDeSecurite.h"
#include "rules/CarteSet.h"
#include "rules/StatusAtout.h"

class KnuthRandom;
class Maitre_Solveur;
class TypeDePartie;

// How the master chooses trump or passes it to the partner (chibre): it deals the 27 cards it
// does not see to the other three hands again and again (when the partner passed it the choice,
// mostly deals where the partner's hand is one it would pass), and for each such deal weighs
// every mode the variant allows by the open-hand estimate of the deal
// (`Maitre_Solveur::valeurEstimee`): the difference of the two teams' points, multiplied as the
// mode is. Every mode is weighed on the same deals, so the differences between modes are not lost
// in the luck of the deals. The chibre is weighed on those deals too, the partner choosing there as
// the evaluation-based player would with the hand that deal gives it.
//
// The work is counted in nodes of the search; the wall clock is only a safety stop. Same hand and
// generator state, same choice.
class Maitre_ChoixAtout {
public:
    static constexpr int ECHANTILLONS_MAX = 32;
    static constexpr std::uint64_t TRAVAIL_MAX = 10000000;
    static constexpr int ARRET_DE_SECURITE_MS = 1300;
    // Tricks played by the search's sense before the exact search takes over.
    static constexpr int PLIS_ESTIMES = 3;

    using Horloge = Maitre_ArretDeSecurite::Horloge;

    struct Resultat {
        StatusAtout status;
        int echantillons = 0;
        std::uint64_t travail = 0;
        bool arretDeSecurite = false;
        // For each mode, the sum over the deals of the difference for the master's team.
        std::array<double, 8> ecarts{};
        bool chibrePossible = false;
        double ecartChibre = 0;
    };

    // `moi` is the seat choosing; `status` as the table asks it (a chibre already made when the
    // partner passed the choice: then the partner leads).
    Maitre_ChoixAtout(StatusAtout status, CarteSet main, int moi, const TypeDePartie& typeDePartie);

    // With no deal weighed in time, the evaluation-based player's choice.
    Resultat choisit(KnuthRandom& aleatoire, Maitre_Solveur& solveur, const std::atomic<bool>& abandon,
                     Horloge horloge) const;

    // A deal of the cards the seat does not see, nine to each other seat, as likely as what the
    // seat knows makes it: after the partner's chibre, the partner's hand is one it would pass.
    std::array<CarteSet, 4> tireMains(KnuthRandom& aleatoire) const;

private:
    std::array<CarteSet, 4> tireMainsAuHasard(KnuthRandom& aleatoire) const;

    StatusAtout status_;
    CarteSet main_;
    int moi_;
    const TypeDePartie& typeDePartie_;
};
