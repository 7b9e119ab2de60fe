#pragma once

#include <QPainter>
#include <QRectF>

#include "ui/cartes/StyleDessine.h"

// Draws the symbol of a suit (its value, 1 to 4) of the style upright, filling the box.
void dessineEnseigne(QPainter& peintre, const StyleDessine& style, int couleur, const QRectF& boite);
