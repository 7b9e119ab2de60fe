#pragma once

#include <QImage>

#include "ui/cartes/StyleDessine.h"

class Carte;

// The face of a card at the shown size, with transparent corners.
QImage dessineFace(const StyleDessine& style, const Carte& carte, double echelle = 1.0);
