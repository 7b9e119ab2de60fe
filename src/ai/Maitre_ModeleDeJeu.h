#pragma once

#include "rules/Atout.h"
#include "rules/CarteSet.h"

class Carte;
class Partie;
class TypeDePartie;

// A cheap model of how a seat plays, for the master to judge how likely a hand it imagines for a
// seat is, given what that seat did. It is evaluated for every deal the master imagines, so it
// stays simple: the computer players' weighing of a hand for the trump choice, and for a card a
// few plain habits of Jass (cash a master card, play low on a trick the opponents win, give
// points to a trick the partner wins, take with the cheapest winning card, spare the trumps).
// A habit is a tendency, not a rule: every legal card keeps some chance.
class Maitre_ModeleDeJeu {
public:
    // Points of habit worth a factor e (the softness of the card choice).
    static constexpr double TEMPERATURE_CARTE = 3.0;
    // Weight of a hand for a mode worth a factor e (the softness of the mode choice).
    static constexpr double TEMPERATURE_ATOUT = 0.5;
    // How often a seat passes, or keeps, the choice against what its weighing advises.
    static constexpr double ECART_AU_CHIBRE = 0.1;

    // How likely a seat holding the nine cards `main` passed the trump choice to its partner.
    static double probaChibre(CarteSet main, const TypeDePartie& typeDePartie);
    // How likely a seat holding `main` chose the mode `choisi`; `pouvaitPasser`: the choice came
    // to it first, so it kept it rather than pass it.
    static double probaAtout(CarteSet main, Atout choisi, bool pouvaitPasser, const TypeDePartie& typeDePartie);
    // How likely the seat to play in `avant`, holding `main`, played `carte` (one of its legal
    // cards).
    static double probaCarte(const Partie& avant, CarteSet main, const Carte& carte);
};
