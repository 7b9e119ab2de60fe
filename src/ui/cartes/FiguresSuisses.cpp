#include "ui/cartes/FiguresSuisses.h"

#include "ui/cartes/CadreDeFigure.h"
#include "ui/cartes/Enseignes.h"
#include "ui/cartes/OutilsDeDessin.h"
#include "ui/cartes/Personnages.h"
#include "rules/Carte.h"

#include <array>

namespace {

using namespace teintes;

// A figure is drawn in a box of 100 x 193 units that fills the frame.
constexpr double UNITE = 0.44;
constexpr double HAUTEUR = 193;
constexpr double TETE_RX = 9.5;
constexpr double TETE_RY = 11.5;
const QColor VIOLET(0x6a, 0x3a, 0x8a);
const QColor CHEVEUX(0x6a, 0x44, 0x24);

struct Tenue {
    QColor pourpoint;
    QColor creves;
    QColor chausseGauche;
    QColor chausseDroite;
};

// The slashed doublets and parti-coloured hose of the old Swiss soldiers.
const std::array<Tenue, 4> TENUES = {{
    {ROUGE, OR, OR, ROUGE},
    {BLEU, BLANC, BLANC, BLEU},
    {VERT, OR, ROUGE, OR},
    {VIOLET, OR, OR, VIOLET},
}};

enum class Coiffe { Toque, Chapeau };

void membre(QPainter& p, QPointF de, QPointF a, const QColor& couleur, double largeur) {
    p.setPen(QPen(CONTOUR, largeur + 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(de, a);
    p.setPen(QPen(couleur, largeur, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(de, a);
}

void jambes(QPainter& p, QPointF h, const Tenue& tenue) {
    membre(p, h + QPointF(-7, 64), h + QPointF(-8, 116), tenue.chausseGauche, 9);
    membre(p, h + QPointF(7, 64), h + QPointF(8, 116), tenue.chausseDroite, 9);
    p.setPen(trait(CONTOUR, 0.8));
    p.setBrush(OR);
    for (const double cote : {-1.0, 1.0}) p.drawEllipse(h + QPointF(cote * 7.5, 92), 5.5, 1.8);
    p.setBrush(NOIR);
    for (const double cote : {-1.0, 1.0}) p.drawEllipse(h + QPointF(cote * 11, 121), 8, 3.8);
}

void tronc(QPainter& p, QPointF h, const Tenue& tenue) {
    QPainterPath basque = polygone({h + QPointF(-13, 50), h + QPointF(13, 50), h + QPointF(20, 70), h + QPointF(-20, 70)});
    peins(p, basque, tenue.pourpoint, trait(CONTOUR, 1.2));
    p.setPen(trait(CONTOUR, 0.7));
    for (const double x : {-10.0, -3.5, 3.5, 10.0}) p.drawLine(h + QPointF(x * 0.8, 53), h + QPointF(x * 1.25, 69));

    QPainterPath buste = polygone({h + QPointF(-16, 15), h + QPointF(16, 15), h + QPointF(13, 53), h + QPointF(-13, 53)});
    peins(p, buste, tenue.pourpoint, Qt::NoPen);
    p.save();
    p.setClipPath(buste, Qt::IntersectClip);
    p.setPen(Qt::NoPen);
    p.setBrush(tenue.creves);
    for (const double x : {-8.0, 6.0}) p.drawRect(QRectF(h.x() + x, h.y() + 20, 3, 30));
    p.restore();
    peins(p, buste, Qt::NoBrush, trait(CONTOUR, 1.2));
    p.setPen(trait(CONTOUR, 0.9));
    p.setBrush(BRUN);
    p.drawRect(QRectF(h + QPointF(-14, 49), QSizeF(28, 4)));
}

void bras(QPainter& p, QPointF h, const Tenue& tenue, QPointF main, double cote) {
    const QPointF epaule = h + QPointF(cote * 15, 21);
    membre(p, epaule, main, tenue.pourpoint, 7);
    p.setPen(trait(CONTOUR, 1.0));
    p.setBrush(tenue.creves);
    p.drawEllipse(epaule + QPointF(cote * 1.5, 2), 6.5, 8);
    p.setPen(trait(tenue.pourpoint, 1.6));
    p.drawLine(epaule + QPointF(cote * 1.5, -5), epaule + QPointF(cote * 1.5, 9));
}

void tete(QPainter& p, QPointF h, bool barbe) {
    peins(p, polygone({h + QPointF(-4, 8), h + QPointF(4, 8), h + QPointF(4, 16), h + QPointF(-4, 16)}), PEAU,
          trait(CONTOUR, 0.9));
    p.setPen(trait(CONTOUR, 0.9));
    p.setBrush(BLANC);
    p.drawEllipse(h + QPointF(0, 15.5), 10, 3.4);
    QPainterPath cheveux(h + QPointF(-10.5, 2));
    cheveux.cubicTo(h + QPointF(-12, -14), h + QPointF(12, -14), h + QPointF(10.5, 2));
    cheveux.lineTo(h + QPointF(10.5, 8));
    cheveux.lineTo(h + QPointF(-10.5, 8));
    cheveux.closeSubpath();
    peins(p, cheveux, CHEVEUX, trait(CONTOUR, 0.9));
    dessineVisage(p, h, TETE_RX, TETE_RY);
    if (barbe) dessineBarbe(p, h, TETE_RX, TETE_RY, CHEVEUX);
}

void toque(QPainter& p, QPointF h, const Tenue& tenue) {
    peins(p, feuille(h + QPointF(6, -12), h + QPointF(22, -26), 4), BLANC, trait(CONTOUR, 0.9));
    QPainterPath calotte(h + QPointF(-12, -6));
    calotte.cubicTo(h + QPointF(-12, -20), h + QPointF(12, -20), h + QPointF(12, -6));
    calotte.closeSubpath();
    peins(p, calotte, tenue.pourpoint, trait(CONTOUR, 1.0));
    p.setBrush(tenue.creves);
    p.drawRoundedRect(QRectF(h + QPointF(-13, -8), QSizeF(26, 4)), 2, 2);
}

void chapeau(QPainter& p, QPointF h, const Tenue& tenue) {
    p.setPen(trait(CONTOUR, 1.0));
    p.setBrush(tenue.pourpoint);
    p.drawEllipse(h + QPointF(0, -8), 20, 4.5);
    QPainterPath calotte(h + QPointF(-11, -9));
    calotte.cubicTo(h + QPointF(-13, -25), h + QPointF(13, -25), h + QPointF(11, -9));
    calotte.closeSubpath();
    peins(p, calotte, tenue.pourpoint, trait(CONTOUR, 1.0));
    peins(p, feuille(h + QPointF(4, -18), h + QPointF(30, -36), 6), BLANC, trait(CONTOUR, 0.9));
    peins(p, feuille(h + QPointF(2, -18), h + QPointF(20, -40), 4.5), tenue.creves, trait(CONTOUR, 0.9));
}

void soldat(QPainter& p, QPointF h, const Tenue& tenue, Coiffe coiffe, QPointF mainGauche, QPointF mainDroite) {
    jambes(p, h, tenue);
    tronc(p, h, tenue);
    bras(p, h, tenue, mainGauche, -1);
    bras(p, h, tenue, mainDroite, 1);
    dessineMain(p, mainGauche);
    dessineMain(p, mainDroite);
    tete(p, h, coiffe == Coiffe::Chapeau);
    if (coiffe == Coiffe::Chapeau)
        chapeau(p, h, tenue);
    else
        toque(p, h, tenue);
}

void hermine(QPainter& p, const QPainterPath& bande) {
    peins(p, bande, BLANC, trait(CONTOUR, 0.9));
    p.save();
    p.setClipPath(bande, Qt::IntersectClip);
    p.setPen(Qt::NoPen);
    p.setBrush(NOIR);
    const QRectF etendue = bande.boundingRect();
    int rangee = 0;
    for (double y = etendue.top() + 3; y < etendue.bottom(); y += 7, ++rangee)
        for (double x = etendue.left() + 2 + (rangee % 2) * 3.5; x < etendue.right(); x += 7) p.drawEllipse(QPointF(x, y), 0.9, 1.6);
    p.restore();
}

void roi(QPainter& p, QPointF h, const Tenue& tenue, const Tenue& manteau) {
    QPainterPath robe = polygone({h + QPointF(-15, 14), h + QPointF(15, 14), h + QPointF(30, 140), h + QPointF(-30, 140)});
    peins(p, robe, tenue.pourpoint, trait(CONTOUR, 1.2));
    hermine(p, polygone({h + QPointF(-5, 20), h + QPointF(5, 20), h + QPointF(8, 140), h + QPointF(-8, 140)}));
    hermine(p, polygone({h + QPointF(-29, 131), h + QPointF(29, 131), h + QPointF(30, 140), h + QPointF(-30, 140)}));
    QPainterPath cape(h + QPointF(-15, 14));
    cape.lineTo(h + QPointF(-27, 70));
    cape.quadTo(h + QPointF(-19, 74), h + QPointF(-11, 68));
    cape.lineTo(h + QPointF(-7, 20));
    cape.closeSubpath();
    peins(p, cape, manteau.pourpoint, trait(CONTOUR, 1.0));
    QPainterPath capeDroite;
    capeDroite.addPath(cape);
    peins(p, QTransform(-1, 0, 0, 1, 2 * h.x(), 0).map(capeDroite), manteau.pourpoint, trait(CONTOUR, 1.0));
    hermine(p, polygone({h + QPointF(-17, 12), h + QPointF(17, 12), h + QPointF(14, 22), h + QPointF(-14, 22)}));

    membre(p, h + QPointF(26, -6), h + QPointF(22, 96), OR, 3);
    p.setPen(trait(CONTOUR, 1.0));
    p.setBrush(OR_CLAIR);
    p.drawEllipse(h + QPointF(26.3, -10), 4.5, 4.5);
    membre(p, h + QPointF(14, 24), h + QPointF(24, 50), manteau.pourpoint, 7);
    dessineMain(p, h + QPointF(24, 50));
    membre(p, h + QPointF(-14, 24), h + QPointF(-8, 54), manteau.pourpoint, 7);
    dessineMain(p, h + QPointF(-7, 55));

    tete(p, h, true);
    dessineCouronne(p, h + QPointF(0, -9), 24, 17);
}

void figure(QPainter& p, const StyleDessine& style, const Carte& carte) {
    const int couleur = carte.getCouleur();
    const std::size_t habit = (couleur + carte.getPosition()) % TENUES.size();
    const Tenue& tenue = TENUES[habit];
    switch (carte.getPosition()) {
    case Carte::Valet: {
        const QPointF h(40, 54);
        const QRectF enseigne(57, 120, 38, 38);
        soldat(p, h, tenue, Coiffe::Toque, h + QPointF(-19, 52), QPointF(74, 120));
        dessineEnseigne(p, style, couleur, enseigne);
        dessineMain(p, QPointF(74, 120));
        break;
    }
    case Carte::Dame: {
        const QPointF h(60, 66);
        const QRectF enseigne(3, 3, 38, 38);
        soldat(p, h, tenue, Coiffe::Chapeau, QPointF(24, 42), h + QPointF(19, 52));
        dessineEnseigne(p, style, couleur, enseigne);
        dessineMain(p, QPointF(24, 42));
        break;
    }
    default:
        roi(p, QPointF(50, 46), tenue, TENUES[(habit + 1) % TENUES.size()]);
        dessineEnseigne(p, style, couleur, QRectF(3, 3, 28, 28));
        break;
    }
}

}  // namespace

void dessineFigureSuisse(QPainter& p, const StyleDessine& style, const Carte& carte) {
    ouvreCadre(p);
    dessineSol(p);
    p.translate(CADRE_DE_FIGURE.topLeft());
    p.scale(UNITE, CADRE_DE_FIGURE.height() / HAUTEUR);
    figure(p, style, carte);
    fermeCadre(p);
}
