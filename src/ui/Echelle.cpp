#include "ui/Echelle.h"

#include <algorithm>
#include <cmath>

#include "ui/cartes/Toile.h"
#include "models/DimensionsCarte.h"

Echelle Echelle::pour(QSize zone) {
    const double largeur = double(zone.width()) / TAILLE_CLASSIQUE.width();
    const double hauteur = double(zone.height()) / TAILLE_CLASSIQUE.height();
    return Echelle(std::max(0.1, std::min(largeur, hauteur)));
}

QSize Echelle::classique(QSize zone) const {
    return {int(std::floor(zone.width() / facteur_ + 1e-6)), int(std::floor(zone.height() / facteur_ + 1e-6))};
}

int Echelle::px(int classique) const { return int(std::lround(classique * facteur_)); }

QRect Echelle::rect(int left, int top, int width, int height) const {
    return QRect(QPoint(px(left), px(top)), QPoint(px(left + width) - 1, px(top + height) - 1));
}

QPoint Echelle::versClassique(QPoint point) const {
    return {int(std::floor(point.x() / facteur_)), int(std::floor(point.y() / facteur_))};
}

// The same rounding as the drawings, so a picture fills its place to the pixel.
QSize Echelle::carte() const { return Toile::tailleA(QSize(LARGEUR_CARTE, HAUTEUR_CARTE), facteur_); }

int Echelle::police(int pixels) const { return std::max(8, px(pixels)); }
