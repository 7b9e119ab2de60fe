#pragma once

#include "rules/CarteSet.h"
#include "rules/Partie.h"

// A position of a simulated deal whose four hands are all known: the hands, the deal, and the
// card the deciding seat tried at the decision point on the way here. A plain value: the search
// copies it to try a card and never undoes anything.
struct PartieSimulee {
    // A whole deal's points, all tricks taken, before the multiplier.
    static constexpr int POINTS_DONNE_COMPLETE = 257;

    CarteSet mains_[4];
    Partie partie_;
    const Carte* carteChoisie_ = nullptr;

    // What the seat's team keeps of the deal: its most, less what the other team took.
    int score(int joueurNo) const {
        const int pointsAdverses = joueurNo % 2 == 1 ? partie_.getPointsEquipe1() : partie_.getPointsEquipe2();
        return partie_.getMultiplicateur() * POINTS_DONNE_COMPLETE - pointsAdverses;
    }
    // Plays the card for the seat whose turn it is.
    void joue(const Carte& carte) {
        const int joueur = partie_.noDuProchainAJouer();
        mains_[joueur].erase(carte);
        partie_.joueCarte(carte, joueur);
    }
    CarteSet cartesJouables() const { return partie_.cartesJouables(mains_[partie_.noDuProchainAJouer()]); }
};
