#pragma once

#include <cstdint>

#include "rules/CarteSet.h"
#include "rules/Siege.h"

class AnalyseJoueur;
class KnuthRandom;
class Partie;

// Where the evaluation-based player believes the unplayed cards are: for every seat, the cards it
// may still hold as far as the play shows, and the cards it is known to hold (the table tells
// every player all four hands, so these are the true locations). Simulated deals draw the unseen
// cards from it; the level decides how often a card goes to its true holder rather than to any
// seat that may hold it. A plain value: the player copies it for every simulated deal, and the
// copies share the analysis window where the first table is shown.
class AI_ProbaSimplifiee {
public:
    AI_ProbaSimplifiee(AnalyseJoueur& analyse, int niveau);

    void reinitialise();
    void ajouteMain(CarteSet cartes, int noJoueur);
    void metAJour(const Partie& partie);
    void annonceCarte(int joueurQuiAnnonce, int couleur, int position);

    // Fills four empty hands with the given numbers of the unplayed cards. False, after an
    // internal error, when the tables do not account for exactly these cards.
    bool distribueMains(CarteSet (&mains)[4], const int (&nombres)[4], CarteSet cartesEnJeuOriginal,
                        KnuthRandom& aleatoire);
    // The seat that receives the card in a simulated deal.
    int choisitJoueur(int couleur, int position, KnuthRandom& aleatoire);

    void afficheGraphiques() const;

    bool peutAvoir(int noJoueur, const Carte& carte) const { return joueurPeutAvoirCarte_[siege::verifie(noJoueur)].contient(carte); }
    bool aCarte(int noJoueur, const Carte& carte) const { return joueurACarte_[siege::verifie(noJoueur)].contient(carte); }
    std::int32_t compteur() const { return compteur_; }
    std::int32_t rythme() const { return rythme_; }

private:
    // Per seat, one bit per card tag.
    CarteSet joueurPeutAvoirCarte_[4];
    CarteSet joueurACarte_[4];
    std::int32_t compteur_ = 0;
    AnalyseJoueur* analyse_;
    std::int32_t rythme_ = 1;
};
