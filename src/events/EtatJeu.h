#pragma once

#include "rules/Siege.h"

#include <cstdint>

// The states of the table. They also number the game events: an event carries the state in which
// the table consumes it. The enumeration lives in this base of EvenementDeJeu so that the states
// are written EvenementDeJeu::Depart and so on, and code that only needs the states includes this.
struct EtatsDuJeu {
    enum EtatJeu : std::int8_t {
        Depart = 0,
        InscriptionTypeDePartie = 1,
        // Registration of the player of seat (state - 2).
        InscriptionJoueur_0 = 2,
        InscriptionJoueur_1 = 3,
        InscriptionJoueur_2 = 4,
        InscriptionJoueur_3 = 5,
        AttendEnregistrementSettings = 6,
        // Deal confirmation of seat (state - 7).
        AttendDistribue1 = 7,
        AttendDistribue2 = 8,
        AttendDistribue3 = 9,
        AttendDistribue4 = 10,
        AttendAtout = 11,
        AttendAtoutChibre = 12,
        // Melds of the 1st to 4th announcer, from the seat that leads the first trick.
        AttendAnnonce1 = 13,
        AttendAnnonce2 = 14,
        AttendAnnonce3 = 15,
        AttendAnnonce4 = 16,
        // Meld acknowledgement of seat (state - 17).
        AttendConfirmationAnnonces1 = 17,
        AttendConfirmationAnnonces2 = 18,
        AttendConfirmationAnnonces3 = 19,
        AttendConfirmationAnnonces4 = 20,
        // Each trick: its four cards from the seat that leads it, then the collection
        // acknowledgement of seats 0 to 3.
        Tour1_AttendCarte1 = 21,
        Tour1_AttendCarte2 = 22,
        Tour1_AttendCarte3 = 23,
        Tour1_AttendCarte4 = 24,
        Tour1_AttendRamasseTas1 = 25,
        Tour1_AttendRamasseTas2 = 26,
        Tour1_AttendRamasseTas3 = 27,
        Tour1_AttendRamasseTas4 = 28,
        Tour2_AttendCarte1 = 29,
        Tour2_AttendCarte2 = 30,
        Tour2_AttendCarte3 = 31,
        Tour2_AttendCarte4 = 32,
        Tour2_AttendRamasseTas1 = 33,
        Tour2_AttendRamasseTas2 = 34,
        Tour2_AttendRamasseTas3 = 35,
        Tour2_AttendRamasseTas4 = 36,
        Tour3_AttendCarte1 = 37,
        Tour3_AttendCarte2 = 38,
        Tour3_AttendCarte3 = 39,
        Tour3_AttendCarte4 = 40,
        Tour3_AttendRamasseTas1 = 41,
        Tour3_AttendRamasseTas2 = 42,
        Tour3_AttendRamasseTas3 = 43,
        Tour3_AttendRamasseTas4 = 44,
        Tour4_AttendCarte1 = 45,
        Tour4_AttendCarte2 = 46,
        Tour4_AttendCarte3 = 47,
        Tour4_AttendCarte4 = 48,
        Tour4_AttendRamasseTas1 = 49,
        Tour4_AttendRamasseTas2 = 50,
        Tour4_AttendRamasseTas3 = 51,
        Tour4_AttendRamasseTas4 = 52,
        Tour5_AttendCarte1 = 53,
        Tour5_AttendCarte2 = 54,
        Tour5_AttendCarte3 = 55,
        Tour5_AttendCarte4 = 56,
        Tour5_AttendRamasseTas1 = 57,
        Tour5_AttendRamasseTas2 = 58,
        Tour5_AttendRamasseTas3 = 59,
        Tour5_AttendRamasseTas4 = 60,
        Tour6_AttendCarte1 = 61,
        Tour6_AttendCarte2 = 62,
        Tour6_AttendCarte3 = 63,
        Tour6_AttendCarte4 = 64,
        Tour6_AttendRamasseTas1 = 65,
        Tour6_AttendRamasseTas2 = 66,
        Tour6_AttendRamasseTas3 = 67,
        Tour6_AttendRamasseTas4 = 68,
        Tour7_AttendCarte1 = 69,
        Tour7_AttendCarte2 = 70,
        Tour7_AttendCarte3 = 71,
        Tour7_AttendCarte4 = 72,
        Tour7_AttendRamasseTas1 = 73,
        Tour7_AttendRamasseTas2 = 74,
        Tour7_AttendRamasseTas3 = 75,
        Tour7_AttendRamasseTas4 = 76,
        Tour8_AttendCarte1 = 77,
        Tour8_AttendCarte2 = 78,
        Tour8_AttendCarte3 = 79,
        Tour8_AttendCarte4 = 80,
        Tour8_AttendRamasseTas1 = 81,
        Tour8_AttendRamasseTas2 = 82,
        Tour8_AttendRamasseTas3 = 83,
        Tour8_AttendRamasseTas4 = 84,
        Tour9_AttendCarte1 = 85,
        Tour9_AttendCarte2 = 86,
        Tour9_AttendCarte3 = 87,
        Tour9_AttendCarte4 = 88,
        Tour9_AttendRamasseTas1 = 89,
        Tour9_AttendRamasseTas2 = 90,
        Tour9_AttendRamasseTas3 = 91,
        Tour9_AttendRamasseTas4 = 92,
        Vide_Avant_Fin = 93,
        // End-of-game acknowledgement of seats 0, 2, 1 and 3, in that order.
        AttendFinDePartie1 = 94,
        AttendFinDePartie2 = 95,
        AttendFinDePartie3 = 96,
        AttendFinDePartie4 = 97,
        Vide_Avant_NouvellePartie = 98,
        // 99 and 100 are event numbers that are not states; 101 bounds every table indexed by state.
        EtatJeu_FinDeTableau = 101,
    };

    static constexpr int ETATS_PAR_TOUR = 8;

    // The trick (1 to 9) of a card or collection state; 0 outside the tricks.
    static constexpr int tourDeLEtat(int etat) {
        return etat >= Tour1_AttendCarte1 && etat <= Tour9_AttendRamasseTas4
                   ? (etat - Tour1_AttendCarte1) / ETATS_PAR_TOUR + 1
                   : 0;
    }
    static constexpr int rangDansLeTour(int etat) { return (etat - Tour1_AttendCarte1) % ETATS_PAR_TOUR; }
    static constexpr bool estEtatCarte(int etat) { return tourDeLEtat(etat) != 0 && rangDansLeTour(etat) < 4; }
    static constexpr bool estEtatRamasseTas(int etat) { return tourDeLEtat(etat) != 0 && rangDansLeTour(etat) >= 4; }
    // The seat whose collection acknowledgement a collection state awaits.
    static constexpr int siegeDuRamasseTas(int etat) { return rangDansLeTour(etat) - 4; }
    // The end-of-game state of a seat: 94 for seat 0, 95 for seat 2, 96 for seat 1, 97 for seat 3.
    static constexpr int etatFinDePartie(int siege) { return AttendFinDePartie1 + siege::equipe(siege) * 2 + siege / 2; }
};
