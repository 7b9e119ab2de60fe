#include "ui/cartes/Dos.h"

#include "ui/cartes/ContourDeCarte.h"
#include "ui/cartes/Enseignes.h"
#include "ui/cartes/OutilsDeDessin.h"
#include "ui/cartes/Toile.h"

namespace {

const QRectF CHAMP(4, 4, TAILLE_CARTE.width() - 8, TAILLE_CARTE.height() - 8);
const QPointF CENTRE(TAILLE_CARTE.width() / 2.0, TAILLE_CARTE.height() / 2.0);
const QColor PAPIER_DU_MEDAILLON(0xfb, 0xf3, 0xe0);
constexpr double MAILLE = 5;

// A fine diagonal lattice with a dot in each diamond, the classic texture of a card back.
void treillis(QPainter& p, const StyleDessine& style) {
    p.setPen(QPen(style.dosMotif, 0.6));
    const double etendue = TAILLE_CARTE.width() + TAILLE_CARTE.height();
    for (double k = -etendue; k < etendue; k += MAILLE) {
        p.drawLine(QPointF(k, 0), QPointF(k + TAILLE_CARTE.height(), TAILLE_CARTE.height()));
        p.drawLine(QPointF(k, TAILLE_CARTE.height()), QPointF(k + TAILLE_CARTE.height(), 0));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(style.dosFilet);
    for (double y = CENTRE.y() - 10 * MAILLE; y < TAILLE_CARTE.height(); y += MAILLE)
        for (double x = CENTRE.x() - 10 * MAILLE; x < TAILLE_CARTE.width(); x += MAILLE)
            if (int((x - CENTRE.x() + y - CENTRE.y()) / MAILLE + 100) % 2 == 0) p.drawEllipse(QPointF(x, y), 0.55, 0.55);
}

// An oval with the four suit symbols, each pointing away from the centre, so the back looks the
// same both ways up.
void medaillon(QPainter& p, const StyleDessine& style) {
    p.setPen(QPen(style.dosFilet, 1.4));
    p.setBrush(PAPIER_DU_MEDAILLON);
    p.drawEllipse(CENTRE, 17, 23);
    p.setPen(QPen(style.dosFond, 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(CENTRE, 15, 21);
    const int ordre[4] = {4, 3, 2, 1};
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.translate(CENTRE);
        p.rotate(90 * i);
        p.translate(0, i % 2 == 0 ? -11 : -8.5);
        dessineEnseigne(p, style, ordre[i], QRectF(-4.75, -5, 9.5, 10));
        p.restore();
    }
}

}  // namespace

QImage dessineDos(const StyleDessine& style, double echelle) {
    Toile toile(TAILLE_CARTE, echelle);
    QPainter& p = toile.peintre();
    dessineCarteVierge(p, teintes::BLANC);
    QPainterPath champ;
    champ.addRoundedRect(CHAMP, 3, 3);
    p.fillPath(champ, style.dosFond);
    p.save();
    p.setClipPath(champ);
    treillis(p, style);
    p.restore();
    p.setPen(QPen(style.dosFilet, 0.7));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(CHAMP.adjusted(2.5, 2.5, -2.5, -2.5), 2, 2);
    p.setPen(QPen(style.dosFond.darker(140), 0.8));
    p.drawPath(champ);
    medaillon(p, style);
    return toile.image();
}
