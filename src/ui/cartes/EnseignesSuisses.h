#pragma once

#include <QPainter>

// Paints a Swiss-German suit symbol (1 Eicheln, 2 Schellen, 3 Schilten, 4 Rosen) in its own
// colours, in a 100 x 100 box of the painter's current coordinates.
void dessineEnseigneSuisse(QPainter& peintre, int couleur);
