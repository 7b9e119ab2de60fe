#include "CadreDeFigure.h"

#include "OutilsDeDessin.h"

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

void fermeCadre(QPainter& peintre) {
    peintre.restore();
    bordure(peintre);
}
