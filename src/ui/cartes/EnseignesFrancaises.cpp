#include "ui/cartes/EnseignesFrancaises.h"

namespace {

// The flared foot shared by the Trefle and the Pique, rising from the bottom edge to the body.
void ajoutePied(QPainterPath& chemin, double hautDuPied) {
    chemin.moveTo(47, hautDuPied);
    chemin.quadTo(46, 86, 31, 98);
    chemin.lineTo(69, 98);
    chemin.quadTo(54, 86, 53, hautDuPied);
    chemin.closeSubpath();
}

QPainterPath trefle() {
    QPainterPath chemin;
    chemin.setFillRule(Qt::WindingFill);
    chemin.addEllipse(QPointF(50, 25), 22, 22);
    chemin.addEllipse(QPointF(25.5, 59), 22, 22);
    chemin.addEllipse(QPointF(74.5, 59), 22, 22);
    chemin.addEllipse(QPointF(50, 52), 12, 12);
    ajoutePied(chemin, 60);
    return chemin;
}

QPainterPath carreau() {
    QPainterPath chemin;
    chemin.moveTo(50, 1);
    chemin.quadTo(66, 28, 87, 50);
    chemin.quadTo(66, 72, 50, 99);
    chemin.quadTo(34, 72, 13, 50);
    chemin.quadTo(34, 28, 50, 1);
    return chemin;
}

QPainterPath pique() {
    QPainterPath chemin;
    chemin.setFillRule(Qt::WindingFill);
    chemin.moveTo(50, 1);
    chemin.cubicTo(40, 18, 3, 36, 3, 60);
    chemin.cubicTo(3, 75, 14, 83, 27, 83);
    chemin.cubicTo(37, 83, 45, 78, 50, 70);
    chemin.cubicTo(55, 78, 63, 83, 73, 83);
    chemin.cubicTo(86, 83, 97, 75, 97, 60);
    chemin.cubicTo(97, 36, 60, 18, 50, 1);
    chemin.closeSubpath();
    ajoutePied(chemin, 70);
    return chemin;
}

QPainterPath coeur() {
    QPainterPath chemin;
    chemin.moveTo(50, 97);
    chemin.cubicTo(22, 72, 2, 54, 2, 31);
    chemin.cubicTo(2, 13, 14, 4, 28, 4);
    chemin.cubicTo(39, 4, 46, 11, 50, 21);
    chemin.cubicTo(54, 11, 61, 4, 72, 4);
    chemin.cubicTo(86, 4, 98, 13, 98, 31);
    chemin.cubicTo(98, 54, 78, 72, 50, 97);
    return chemin;
}

}  // namespace

QPainterPath cheminEnseigneFrancaise(int couleur) {
    switch (couleur) {
    case 1: return trefle();
    case 2: return carreau();
    case 3: return pique();
    default: return coeur();
    }
}
