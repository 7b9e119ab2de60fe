#include "ui/cartes/Face.h"

#include "ui/cartes/Banniere.h"
#include "ui/cartes/ContourDeCarte.h"
#include "ui/cartes/DispositionDesPoints.h"
#include "ui/cartes/Enseignes.h"
#include "ui/cartes/FiguresFrancaises.h"
#include "ui/cartes/FiguresSuisses.h"
#include "ui/cartes/OutilsDeDessin.h"
#include "ui/cartes/TexteAjuste.h"
#include "ui/cartes/Toile.h"
#include "rules/Carte.h"

namespace {

const QColor PAPIER(0xff, 0xfe, 0xf9);
const QPointF CENTRE_CARTE(TAILLE_CARTE.width() / 2.0, TAILLE_CARTE.height() / 2.0);

// The rank and a small symbol, top left and (turned over) bottom right: a card fanned in a hand
// shows only its left strip, and that strip alone must name it.
void dessineIndexes(QPainter& p, const StyleDessine& style, const Carte& carte) {
    const QString& rang = style.rangs[carte.getPosition() - Carte::Six];
    for (int coin = 0; coin < 2; ++coin) {
        p.save();
        if (coin == 1) {
            p.translate(CENTRE_CARTE);
            p.rotate(180);
            p.translate(-CENTRE_CARTE);
        }
        dessineTexteAjuste(p, rang, QRectF(1.4, 4, 10.4, 10), style.encres[carte.getCouleur()]);
        dessineEnseigne(p, style, carte.getCouleur(), QRectF(2.6, 16.5, 8, 8.5));
        p.restore();
    }
}

void dessinePoints(QPainter& p, const StyleDessine& style, const Carte& carte) {
    const QSizeF taille = tailleDesPoints(style.enseignes, carte.getPosition());
    for (const PointDeCarte& point : dispositionDesPoints(style.enseignes, carte.getPosition())) {
        p.save();
        p.translate(point.centre);
        if (point.renverse) p.rotate(180);
        dessineEnseigne(p, style, carte.getCouleur(), QRectF(QPointF(-taille.width() / 2, -taille.height() / 2), taille));
        p.restore();
    }
}

// The French Ace is one large symbol; the Swiss-German one sits in a wreath of leaves.
void dessineAs(QPainter& p, const StyleDessine& style, const Carte& carte) {
    if (style.enseignes == Enseignes::Francaises) {
        dessineEnseigne(p, style, carte.getCouleur(), QRectF(CENTRE_CARTE - QPointF(15, 16), QSizeF(30, 32)));
        return;
    }
    p.save();
    p.translate(CENTRE_CARTE);
    p.scale(1, 1.25);
    for (int i = 0; i < 20; ++i) {
        const double angle = i * 18.0;
        const QPointF base = surLeCercle({0, 0}, 24, angle);
        const QPointF pointe = surLeCercle({0, 0}, 24, angle + 14) + surLeCercle({0, 0}, 3.5, angle + 14);
        peins(p, feuille(base, pointe, 2.4), teintes::VERT, QPen(teintes::VERT_FONCE, 0.4));
    }
    p.restore();
    dessineEnseigne(p, style, carte.getCouleur(), QRectF(CENTRE_CARTE - QPointF(17, 18), QSizeF(34, 36)));
}

void dessineMilieu(QPainter& p, const StyleDessine& style, const Carte& carte) {
    const int rang = carte.getPosition();
    const bool suisse = style.enseignes == Enseignes::SuisseAllemandes;
    if (rang == Carte::As) return dessineAs(p, style, carte);
    if (rang >= Carte::Valet) {
        if (suisse) return dessineFigureSuisse(p, style, carte);
        return dessineFigureFrancaise(p, style, carte);
    }
    if (rang == Carte::Dix && suisse) return dessineBanniere(p, style, carte.getCouleur());
    dessinePoints(p, style, carte);
}

}  // namespace

QImage dessineFace(const StyleDessine& style, const Carte& carte, double echelle) {
    Toile toile(TAILLE_CARTE, echelle);
    QPainter& p = toile.peintre();
    dessineCarteVierge(p, PAPIER);
    dessineIndexes(p, style, carte);
    dessineMilieu(p, style, carte);
    return toile.image();
}
