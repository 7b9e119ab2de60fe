#pragma once

#include <QPainter>

#include "ui/cartes/StyleDessine.h"

// The Swiss-German Ten: a flag on its pole bearing the suit symbol.
void dessineBanniere(QPainter& peintre, const StyleDessine& style, int couleur);
