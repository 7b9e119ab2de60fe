#pragma once

#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "ai/AI_ProbaSimplifiee.h"
#include "rules/Partie.h"
#include "support/Cartes.h"

// Seat 3 can trump the Coeur lead with two small Piques, follow with the Neuf, or take with the As.
inline const std::string DONNE_AS_EN_3[4] = {
    "6C 6T 7T 8T 9T XT VT DT RT",
    "7C AT 8P 9P XP VP DP RP AP",
    "8C XC VC DC RC 6K 7K 8K 9K",
    "9C AC 6P 7P XK VK DK RK AK",
};

// A deal in progress for the computer player's tests: the four hands as dealt, the hands now,
// and the deal with the cards played so far.
struct SituationAI {
    CarteSet donnees[4];
    CarteSet mains[4];
    Partie partie;
    Partie depart;
    std::vector<const Carte*> jouees;

    // Each card of `jouees` is played by the seat whose turn it is; it must be in its hand and
    // playable.
    SituationAI(Atout atout, const std::string (&nomsDesMains)[4], int premierJoueur, const std::string& jouees = "",
                int multiplicateur = 1)
        : partie(atout, CarteSet::complet(), premierJoueur, premierJoueur, multiplicateur), depart(partie) {
        for (int joueur = 0; joueur < 4; ++joueur) donnees[joueur] = mains[joueur] = ens(nomsDesMains[joueur]);
        std::istringstream flux(jouees);
        std::string nom;
        while (flux >> nom) joue(c(nom));
    }

    void joue(const Carte& carte) {
        const int joueur = partie.noDuProchainAJouer();
        if (!partie.cartesJouables(mains[joueur]).contient(carte))
            throw std::invalid_argument("card not playable: " + carte.getIdentifiant());
        mains[joueur].erase(carte);
        partie.joueCarte(carte, joueur);
        jouees.push_back(&carte);
    }

    // Plays the lowest playable card of each seat until that many cards lie played.
    void joueJusqua(unsigned nbCartes) {
        while (partie.nbCartesJouees() < nbCartes) {
            const int joueur = partie.noDuProchainAJouer();
            joue(*partie.cartesJouables(mains[joueur]).begin());
        }
    }

    int aJouer() const { return partie.noDuProchainAJouer(); }

    // The tables of a player told every hand at the deal and then every card as it was played.
    AI_ProbaSimplifiee probas(AnalyseJoueur& analyse, int niveau) const {
        AI_ProbaSimplifiee result(analyse, niveau);
        for (int joueur = 0; joueur < 4; ++joueur) result.ajouteMain(donnees[joueur], joueur);
        Partie rejouee = depart;
        for (const Carte* carte : jouees) {
            rejouee.joueCarte(*carte, rejouee.noDuProchainAJouer());
            result.metAJour(rejouee);
        }
        return result;
    }
};

// A deal with four plain hands: seat 0 the Trefle, 1 the Carreau, 2 the Pique, 3 the Coeur.
inline const std::string MAINS_PAR_COULEUR[4] = {
    "6T 7T 8T 9T XT VT DT RT AT",
    "6K 7K 8K 9K XK VK DK RK AK",
    "6P 7P 8P 9P XP VP DP RP AP",
    "6C 7C 8C 9C XC VC DC RC AC",
};

// A mixed deal: every seat holds several suits.
inline const std::string MAINS_MELANGEES[4] = {
    "6T 9T VT AT 7K XK 8P DP 6C",
    "7T XT 6K 9K RK 6P 9P AP 7C",
    "8T DT 8K VK AK 7P RP 8C XC",
    "RT DK XP VP 9C VC DC RC AC",
};
