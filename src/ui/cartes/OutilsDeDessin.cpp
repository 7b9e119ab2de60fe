#include "ui/cartes/OutilsDeDessin.h"

#include <QPolygonF>
#include <cmath>
#include <numbers>

QPen trait(const QColor& couleur, double largeur) {
    return QPen(couleur, largeur, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void peins(QPainter& peintre, const QPainterPath& chemin, const QBrush& fond, const QPen& contour) {
    peintre.setPen(contour);
    peintre.setBrush(fond);
    peintre.drawPath(chemin);
}

QPointF surLeCercle(QPointF centre, double rayon, double degres) {
    const double radians = degres * std::numbers::pi / 180.0;
    return centre + QPointF(rayon * std::cos(radians), rayon * std::sin(radians));
}

QPainterPath feuille(QPointF base, QPointF pointe, double largeur) {
    const QPointF axe = pointe - base;
    const QPointF normale = QPointF(-axe.y(), axe.x()) * (largeur / std::hypot(axe.x(), axe.y()));
    const QPointF milieu = base + axe * 0.45;
    QPainterPath chemin(base);
    chemin.quadTo(milieu + normale, pointe);
    chemin.quadTo(milieu - normale, base);
    return chemin;
}

QPainterPath polygone(std::initializer_list<QPointF> sommets) {
    QPainterPath chemin;
    chemin.addPolygon(QPolygonF(QList<QPointF>(sommets)));
    chemin.closeSubpath();
    return chemin;
}
