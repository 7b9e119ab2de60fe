#include "ui/cartes/CadreDeFigure.h"

#include <QLinearGradient>

#include "ui/cartes/OutilsDeDessin.h"

namespace {

const QColor PAPIER_DU_CADRE(0xfb, 0xf3, 0xe0);

void bordure(QPainter& peintre) {
    peintre.setPen(QPen(teintes::CONTOUR, 0.8));
    peintre.setBrush(Qt::NoBrush);
    peintre.drawRect(CADRE_DE_FIGURE);
}

}  // namespace

void ouvreCadre(QPainter& peintre) {
    peintre.save();
    peintre.setPen(Qt::NoPen);
    peintre.setBrush(PAPIER_DU_CADRE);
    peintre.drawRect(CADRE_DE_FIGURE);
    peintre.setClipRect(CADRE_DE_FIGURE);
}

void dessineSol(QPainter& peintre) {
    const double haut = CADRE_DE_FIGURE.bottom() - 8;
    QPainterPath sol(QPointF(CADRE_DE_FIGURE.left(), haut + 1));
    sol.cubicTo(CADRE_DE_FIGURE.left() + 15, haut - 1.5, CADRE_DE_FIGURE.right() - 15, haut + 2, CADRE_DE_FIGURE.right(), haut);
    sol.lineTo(CADRE_DE_FIGURE.bottomRight());
    sol.lineTo(CADRE_DE_FIGURE.bottomLeft());
    sol.closeSubpath();
    QLinearGradient herbe(QPointF(0, haut), QPointF(0, CADRE_DE_FIGURE.bottom()));
    herbe.setColorAt(0, QColor(0xa8, 0xcc, 0x78));
    herbe.setColorAt(1, QColor(0x6e, 0x9c, 0x48));
    peins(peintre, sol, herbe, QPen(QColor(0x5a, 0x80, 0x3a), 0.5));
}

void fermeCadre(QPainter& peintre) {
    peintre.restore();
    bordure(peintre);
}
