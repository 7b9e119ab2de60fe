#pragma once

#include <array>

#include "rules/Siege.h"
#include "rules/CarteSet.h"

class AnalyseJoueur;
class KnuthRandom;
class OptionsDuJoueur;
class Partie;

// Where a simulating computer player believes each card is: for every card and every seat, the
// probability that the seat holds it. It starts even, learns the player's own hand with certainty
// (and, for the knowing players, the other hands with their confidence), and narrows with every
// played card: played cards leave it, a seat that did not follow a suit loses that suit, and the
// first trick of a trump deal shifts weight towards the seat that named trump.
//
// The four entries of a card add up to 1, or are all 0 once it is played. A seat set to 0 is
// never let in again, and a card that is certain stays so until it is played: what is known
// outweighs what is guessed. The simulations draw complete deals from it.
class DistributionProbableDesCartes {
public:
    DistributionProbableDesCartes(AnalyseJoueur& analyse, const OptionsDuJoueur& options, int noJoueur);
    virtual ~DistributionProbableDesCartes() = default;

    void reinitialise();
    void fixeProbabilite(int couleur, int position, int joueurNo, float valeur);
    // The hand's cards with `valeur` for the seat, every other card with 1 - `valeur`.
    void fixeMain(CarteSet cartes, int joueurNo, float valeur);
    // After the deal has recorded `carte`.
    void carteJouee(const Carte& carte, const Partie& partie);
    bool estEliminee(int couleur, int position) const;
    void elimine(int couleur, int position);

    // Fills four empty hands with `nbCartes` cards each, drawn from `cartesEnJeuOriginal` by the
    // probabilities. False, after an internal error, when no complete assignment exists.
    bool tireLesMains(CarteSet (&mains)[4], const int (&nbCartes)[4], CarteSet cartesEnJeuOriginal,
                      KnuthRandom& random) const;
    // The seat of one card, drawn with a granularity of 1 %.
    int tireJoueur(int couleur, int position, KnuthRandom& random) const;

    float probabilite(const Carte& carte, int joueurNo) const { return probabilites_[carte.getTag()][siege::verifie(joueurNo)]; }
    void afficheGraphiques() const;

    // Whole deals drawn afresh before the draw falls back to one that never fills a seat too
    // early. The draws of a legal game almost always succeed long before.
    static constexpr int MAX_TENTATIVES = 20000;

private:
    using Entrees = std::array<float, 4>;
    Entrees& entrees(int couleur, int position) { return probabilites_[Carte::tagDe(Carte::Couleur(couleur), Carte::Position(position))]; }
    const Entrees& entrees(int couleur, int position) const {
        return probabilites_[Carte::tagDe(Carte::Couleur(couleur), Carte::Position(position))];
    }
    // Changes one entry without publishing the charts.
    void fixe(int couleur, int position, int joueurNo, float valeur);
    void verifieCarte(int couleur, int position) const;
    void verifieTout() const;
    // The seats that may still hold the card, one bit each.
    unsigned joueursPossibles(const Carte& carte) const;
    // Whether the cards can go to seats that may hold them with these numbers of cards.
    bool assignationPossible(CarteSet cartes, const int (&places)[4]) const;
    // One draw card after card, each card drawn among the seats that still leave a complete
    // assignment possible.
    void tireSansEchec(CarteSet (&mains)[4], const int (&nbCartes)[4], CarteSet cartesEnJeuOriginal,
                       KnuthRandom& random) const;

    int noJoueur_;
    const OptionsDuJoueur& options_;
    // By card tag, then seat.
    std::array<Entrees, Carte::NB_CARTES> probabilites_{};
    AnalyseJoueur& charts_;
};
