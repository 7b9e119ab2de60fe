#pragma once

#include <QImage>

#include "ui/cartes/StyleDessine.h"

// The back shared by all the cards of a style.
QImage dessineDos(const StyleDessine& style, double echelle = 1.0);
