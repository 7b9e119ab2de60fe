#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <utility>

#include "ai/Maitre_PositionOuverte.h"
#include "ai/Maitre_TableDeTransposition.h"

// The exact value of a deal with every hand laid open, each seat playing its best for its team
// to the end of the deal (double-dummy). The master player asks it about each sampled
// distribution of the unseen cards.
//
// A value is counted for one team from the current position on: the card points it will still
// win, the 5 points of the last trick included, plus 50 if it takes every trick of the deal and
// minus 50 if the other team does. Maximising it is maximising the difference of the two teams'
// points of the deal (the bonus of all nine tricks is 100 points), whatever the multiplier. The
// two teams' values of a position add up to its points left (`pointsRestants`).
//
// Alpha-beta over these values, with a transposition table at every trick start, bounds from
// the points left, one card standing for each group of equivalent cards, and moves ordered by
// the table's best card, killer leads and a little Jass sense. The work is counted in nodes: the
// search gives up past its node budget, or when the safety stop says so, and then its answer is
// void.
class Maitre_Solveur {
public:
    static constexpr int PRIME_TOUS_LES_PLIS = 50;
    static constexpr unsigned BITS_TABLE = 20;

    struct ValeurDeCarte {
        std::uint8_t tag;
        int valeur;
    };
    struct ValeursDesCartes {
        std::array<ValeurDeCarte, 9> cartes;
        unsigned nombre = 0;
    };

    explicit Maitre_Solveur(unsigned bitsTable = BITS_TABLE);

    // The value of the position for the team of seats 0 and 2.
    int resout(const Maitre_PositionOuverte& position);
    // The value of each playable card of the seat to play, for that seat's team, in tag order.
    ValeursDesCartes valeursDesCartes(const Maitre_PositionOuverte& position);

    // A quick estimate of the value of the position for the team of seats 0 and 2: the tricks up
    // to the `plis`-th played by the sense that orders the search's cards (the same for every
    // seat), the rest exactly. From the first card the exact value takes far too long to weigh
    // the trump modes on many deals; after three tricks it takes milliseconds.
    int valeurEstimee(const Maitre_PositionOuverte& position, int plis);

    static int pointsRestants(const Maitre_PositionOuverte& position);

    // The searches after this call give up once they have visited that many nodes in all.
    void limiteNoeuds(std::uint64_t noeudsMax) { limite_ = noeudsMax; }
    // Asked now and then during a search; true stops it (a wall-clock safety stop).
    void setArret(std::function<bool()> arret) { arret_ = std::move(arret); }
    bool interrompu() const { return interrompu_; }
    std::uint64_t noeuds() const { return noeuds_; }
    void remetCompteur() {
        noeuds_ = 0;
        interrompu_ = false;
    }

private:
    struct Etat {
        // The trick is kept whole: the tricks played deeper write over it.
        std::array<std::uint8_t, 4> pli;
        std::uint8_t meneur, nbCartesPli, plisFaits, toutPris, gagnant;
        int pointsRestants;
    };

    void place(const Maitre_PositionOuverte& position);
    int cherche(int alpha, int beta);
    // The exact value of the position, known to lie in [alpha, beta]; `estimation`, when inside,
    // is where it probably lies.
    int valeurExacte(int alpha, int beta, int estimation = INT32_MIN);
    // The least and the most team 0 can still get.
    std::pair<int, int> bornes() const;
    // At a trick start: how many tricks the leader's team is sure to take at once, and the points
    // of the cards the leader cashes in them.
    std::pair<int, int> plisSurs() const;
    int finDuDernierPli();
    // Plays the card for the seat to play; returns what it brings team 0 when it closes a trick.
    int joue(int tag);
    void dejoue(int joueur, int tag, const Etat& avant);
    Etat etat() const { return {pli_, meneur_, nbCartesPli_, plisFaits_, toutPris_, gagnant_, pointsRestants_}; }
    std::uint64_t cartesJouablesIci() const;
    std::uint64_t enJeu() const;
    // At the start of a trick, positions that differ only in which cards worth nothing are
    // gone share their key: what follows depends, suit by suit, on who holds the cards still in
    // play in their order and on which of them are worth points, not on their ranks.
    Maitre_TableDeTransposition::Cle cle() const;
    int atoutDuPli() const;
    // The playable cards with one card kept for each group of equivalent ones; `representant`
    // gets, for each playable card, the tag of the card that stands for it.
    std::uint64_t representants(std::uint64_t jouables, std::uint8_t* representant) const;
    // The candidate cards in the order to try them.
    unsigned ordonne(std::uint64_t cartes, int meilleureCarte, std::uint8_t* ordre) const;
    // Whether that seat holds a card that beats that one (allowed to play it or not).
    bool peutBattre(int siege, int carte) const;
    // How early to try that lead: the higher, the earlier.
    int scoreDEntame(int tag, std::uint64_t enJeuIci) const;

    Maitre_TableDeTransposition table_;
    std::array<std::uint64_t, 4> mains_{};
    std::array<std::uint8_t, 4> pli_{};
    std::uint8_t meneur_ = 0;
    std::uint8_t nbCartesPli_ = 0;
    std::uint8_t plisFaits_ = 0;
    std::uint8_t toutPris_ = 3;
    // Place in the trick of the card that holds it so far.
    std::uint8_t gagnant_ = 0;
    int pointsRestants_ = 0;
    Atout atout_ = Atout::Invalide;
    // For each trick, the last two leads that cut.
    std::array<std::array<std::uint8_t, 2>, 9> killers_{};

    std::uint64_t noeuds_ = 0;
    std::uint64_t limite_ = UINT64_MAX;
    bool interrompu_ = false;
    std::function<bool()> arret_;
};
