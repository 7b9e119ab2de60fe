#pragma once

#include <QImage>
#include <QSize>

#include "ui/cartes/StyleDessine.h"
#include "rules/Atout.h"

// The size of a trump-mode button of a player panel.
constexpr QSize TAILLE_BOUTON(17, 17);

// The glyph of a trump-mode button: the suit symbol for the four suit modes, an arrow down for
// "haut en bas", up for "bas en haut", and a zig-zag. The background is transparent.
QImage dessineBouton(const StyleDessine& style, Atout mode, double echelle = 1.0);
