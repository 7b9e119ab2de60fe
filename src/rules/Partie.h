#pragma once

#include <cstdint>

#include "rules/Atout.h"
#include "rules/CarteSet.h"
#include "rules/StatusCarteJouee.h"
#include "rules/Siege.h"

// One deal: nine tricks played with the 36 cards once the trump mode is known. A plain value of
// about a hundred bytes: the searches copy it and play the copies forward. It knows nothing of
// hands; whoever asks for a verdict passes the hand.
class Partie {
public:
    Partie(Atout atout, CarteSet cartesEnJeu, int premierJoueur, int joueurQuiAFaitAtout, int multiplicateur);

    // Plays a card for the seat whose turn it is; returns the seat that plays next (after the
    // fourth card of a trick, the trick's winner).
    int joueCarte(const Carte& carte, int joueurNo);

    // The verdict on a card the seat to play offers from its hand; changes nothing.
    StatusCarteJouee carteEstRefusee(const Carte& carte, int joueurNo, const CarteSet& cartesEnMain) const;
    // The cards of the hand of the seat to play whose verdict accepts them, computed on the whole
    // hand at once: the searches call this for every card they play.
    CarteSet cartesJouables(const CarteSet& cartesEnMain) const;

    int noDuProchainAJouer() const;
    // The mode of the trick being played: in a zig-zag deal it turns over after every trick.
    Atout atout() const { return atout_; }
    // A zig-zag deal opens "de bas en haut".
    static constexpr Atout atoutDuPremierPli(Atout choisi) { return choisi == Atout::ZigZag ? Atout::BasEnHaut : choisi; }
    Atout atoutChoisi() const { return atoutChoisi_; }
    int getMultiplicateur() const { return multiplicateur_; }
    int getPointsEquipe1() const { return pointsEquipe1_; }
    int getPointsEquipe2() const { return pointsEquipe2_; }
    // The points of team 0 (seats 0 and 2) or team 1 (seats 1 and 3).
    int getPointsEquipe(int equipe) const { return equipe == 0 ? pointsEquipe1_ : pointsEquipe2_; }
    int getCartesRamasseesEq1() const { return cartesRamasseesEq1_; }
    int getCartesRamasseesEq2() const { return cartesRamasseesEq2_; }
    const CarteSet& getCartesDejaJouees() const { return cartesDejaJouees_; }
    const CarteSet& getCartesEnJeu() const { return cartesEnJeu_; }
    unsigned nbCartesJouees() const { return cartesDejaJouees_.size(); }
    bool debutDePli() const { return cartesDejaJouees_.size() % 4 == 0; }
    bool estTerminee() const { return partieTerminee_; }
    const Carte* getCarteJoueePar(int joueurNo) const { return carteJoueePar[siege::verifie(joueurNo)]; }
    int getJoueurQuiAFaitAtout() const { return noDuJoueurQuiAFaitAtout_; }
    int getJoueurQuiACommence() const { return noDuJoueurQuiACommence_; }
    bool nAPlusLaCouleur(int joueurNo, int couleur) const { return !peutAvoirCouleur_[siege::verifie(joueurNo)][(couleur - 1) & 3]; }

private:
    // Gives the trick to its winner and returns the winner.
    int resoutPli(int dernierJoueur);
    // The strongest trump lying in the current trick, or nothing.
    const Carte* plusFortAtoutDuPli() const;

    bool peutAvoirCouleur_[4][4];
    std::int32_t carteNo_ = 0;
    CarteSet cartesDejaJouees_;
    CarteSet cartesEnJeu_;
    std::int32_t noDuJoueurQuiACommence_;
    std::int32_t noDuJoueurQuiAFaitAtout_;
    std::int32_t pointsEquipe1_ = 0;
    std::int32_t pointsEquipe2_ = 0;
    std::int32_t cartesRamasseesEq1_ = 0;
    std::int32_t cartesRamasseesEq2_ = 0;
    bool partieTerminee_ = false;
    std::int32_t noDuProchainAJouer_;
    const Carte* carteJoueePar[4] = {};
    std::int32_t multiplicateur_;
    Atout atoutChoisi_;
    Atout atout_;
};
