#pragma once

#include <QPointF>
#include <QSizeF>
#include <vector>

#include "ui/cartes/StyleDessine.h"

struct PointDeCarte {
    QPointF centre;
    // French pips of the lower half are turned over, so the card reads the same both ways up.
    bool renverse;
};

// Where the pips of a Six to a Ten (a Nine for the Swiss-German pack, whose Ten is the Banner)
// lie on the card.
std::vector<PointDeCarte> dispositionDesPoints(Enseignes enseignes, int rang);
// The fewer the Swiss-German symbols, the larger they are drawn.
QSizeF tailleDesPoints(Enseignes enseignes, int rang);
