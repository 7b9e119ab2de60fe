#include "ui/cartes/ContourDeCarte.h"

QPainterPath contourCarte() {
    QPainterPath contour;
    contour.addRoundedRect(QRectF(0.5, 0.5, TAILLE_CARTE.width() - 1, TAILLE_CARTE.height() - 1), 4.5, 4.5);
    return contour;
}

void dessineCarteVierge(QPainter& peintre, const QColor& papier) {
    peintre.setPen(QPen(QColor(0x4a, 0x4a, 0x4a), 1));
    peintre.setBrush(papier);
    peintre.drawPath(contourCarte());
}
