#pragma once

#include "rules/StatusCarteJouee.h"

class Carte;

// What a player may ask the table it sits at: whether a card may be played now, and whose turn
// it is. The table implements it; players know the table only through it.
class ArbitreDeLaTable {
public:
    virtual ~ArbitreDeLaTable() = default;
    virtual int etatJeu() const = 0;
    virtual int prochainJoueur() const = 0;
    virtual StatusCarteJouee statutCarte(const Carte* carte, int noJoueur) const = 0;
};
