#include "ui/cartes/BoutonsAtout.h"

#include <QPainterPath>

#include "ui/cartes/Enseignes.h"
#include "ui/cartes/OutilsDeDessin.h"
#include "ui/cartes/Toile.h"

namespace {

const QColor ENCRE_DES_FLECHES(0x1c, 0x3a, 0x6e);

// An arrow pointing down, its shaft on whole pixels so it stays sharp at this size.
QPainterPath flecheVersLeBas() {
    QPainterPath fleche;
    fleche.addRect(QRectF(7, 1.5, 3, 8));
    fleche.addPath(polygone({{2.5, 8.5}, {14.5, 8.5}, {8.5, 15.5}}));
    fleche.setFillRule(Qt::WindingFill);
    return fleche;
}

QPainterPath flecheVersLeHaut() {
    return QTransform(1, 0, 0, -1, 0, TAILLE_BOUTON.height()).map(flecheVersLeBas());
}

void zigZag(QPainter& p) {
    QPainterPath ligne(QPointF(3, 2.5));
    ligne.lineTo(13, 6);
    ligne.lineTo(4, 10);
    ligne.lineTo(10.5, 12.8);
    p.setPen(QPen(ENCRE_DES_FLECHES, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(ligne);
    p.setPen(Qt::NoPen);
    p.setBrush(ENCRE_DES_FLECHES);
    p.drawPath(polygone({{8, 9.5}, {15.5, 15.5}, {6.5, 16}}));
}

}  // namespace

QImage dessineBouton(const StyleDessine& style, Atout mode, double echelle) {
    Toile toile(TAILLE_BOUTON, echelle);
    QPainter& p = toile.peintre();
    switch (mode) {
    case Atout::HautEnBas: p.fillPath(flecheVersLeBas(), ENCRE_DES_FLECHES); break;
    case Atout::BasEnHaut: p.fillPath(flecheVersLeHaut(), ENCRE_DES_FLECHES); break;
    case Atout::ZigZag: zigZag(p); break;
    default: {
        const double marge = style.enseignes == Enseignes::Francaises ? 2 : 1;
        dessineEnseigne(p, style, valeur(mode), QRectF(marge, marge, 17 - 2 * marge, 17 - 2 * marge));
        break;
    }
    }
    return toile.image();
}
