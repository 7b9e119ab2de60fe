#include "ui/cartes/DispositionDesPoints.h"

#include "ui/cartes/ContourDeCarte.h"

namespace {

constexpr double GAUCHE = 22;
constexpr double DROITE = 49;
constexpr double MILIEU = TAILLE_CARTE.width() / 2.0;
constexpr double HAUT = 17;
constexpr double BAS = TAILLE_CARTE.height() - HAUT;
constexpr double CENTRE = TAILLE_CARTE.height() / 2.0;

// The rows of a column of n pips, evenly from the top row to the bottom row.
double rangee(int i, int n) { return HAUT + (BAS - HAUT) * i / (n - 1); }

void ajouteColonne(std::vector<PointDeCarte>& points, double x, int n) {
    for (int i = 0; i < n; ++i) points.push_back({{x, rangee(i, n)}, false});
}

std::vector<PointDeCarte> francais(int rang) {
    std::vector<PointDeCarte> points;
    const int parColonne = rang <= 8 ? 3 : 4;
    ajouteColonne(points, GAUCHE, parColonne);
    ajouteColonne(points, DROITE, parColonne);
    switch (rang) {
    case 7: points.push_back({{MILIEU, (rangee(0, 3) + rangee(1, 3)) / 2}, false}); break;
    case 8:
        points.push_back({{MILIEU, (rangee(0, 3) + rangee(1, 3)) / 2}, false});
        points.push_back({{MILIEU, (rangee(1, 3) + rangee(2, 3)) / 2}, false});
        break;
    case 9: points.push_back({{MILIEU, CENTRE}, false}); break;
    case 10:
        points.push_back({{MILIEU, (rangee(0, 4) + rangee(1, 4)) / 2}, false});
        points.push_back({{MILIEU, (rangee(2, 4) + rangee(3, 4)) / 2}, false});
        break;
    default: break;
    }
    for (PointDeCarte& point : points) point.renverse = point.centre.y() > CENTRE;
    return points;
}

// The Swiss-German symbols are larger and stand upright: the Nine is a square of three by three.
std::vector<PointDeCarte> suisses(int rang) {
    std::vector<PointDeCarte> points;
    switch (rang) {
    case 6:
        ajouteColonne(points, GAUCHE, 3);
        ajouteColonne(points, DROITE, 3);
        break;
    case 7:
        ajouteColonne(points, GAUCHE, 3);
        ajouteColonne(points, DROITE, 3);
        points.push_back({{MILIEU, (rangee(0, 3) + rangee(1, 3)) / 2}, false});
        break;
    case 8:
        ajouteColonne(points, GAUCHE, 4);
        ajouteColonne(points, DROITE, 4);
        break;
    default:
        ajouteColonne(points, MILIEU - 15.5, 3);
        ajouteColonne(points, MILIEU, 3);
        ajouteColonne(points, MILIEU + 15.5, 3);
        break;
    }
    return points;
}

}  // namespace

std::vector<PointDeCarte> dispositionDesPoints(Enseignes enseignes, int rang) {
    return enseignes == Enseignes::Francaises ? francais(rang) : suisses(rang);
}

QSizeF tailleDesPoints(Enseignes enseignes, int rang) {
    if (enseignes == Enseignes::Francaises) return QSizeF(13, 14);
    if (rang <= 7) return QSizeF(17, 19);
    return rang == 8 ? QSizeF(15.5, 17.5) : QSizeF(14, 16);
}
