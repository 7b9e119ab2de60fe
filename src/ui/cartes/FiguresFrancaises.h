#pragma once

#include <QPainter>

#include "ui/cartes/StyleDessine.h"

class Carte;

// The Valet, Dame or Roi: a double-headed half-length figure in the frame, the suit symbol in
// the upper corner of each half.
void dessineFigureFrancaise(QPainter& peintre, const StyleDessine& style, const Carte& carte);
