#pragma once

#include <QPainter>

#include "ui/cartes/StyleDessine.h"

class Carte;

// The Under, Ober or König: a full-length figure in the frame. The Ober holds his symbol high
// above his head, the Under low at his side; the König stands in his robe, the symbol above.
void dessineFigureSuisse(QPainter& peintre, const StyleDessine& style, const Carte& carte);
