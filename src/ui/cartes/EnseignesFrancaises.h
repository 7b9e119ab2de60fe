#pragma once

#include <QPainterPath>

// The outline of a French suit symbol (1 Trefle, 2 Carreau, 3 Pique, 4 Coeur) in a 100 x 100 box.
QPainterPath cheminEnseigneFrancaise(int couleur);
