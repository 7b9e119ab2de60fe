#pragma once

#include <QPainter>

#include "StyleDessine.h"

// The Swiss-German Ten: a flag on its pole bearing the suit symbol.
void dessineBanniere(QPainter& peintre, const StyleDessine& style, int couleur);
