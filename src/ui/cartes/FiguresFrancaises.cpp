#include "ui/cartes/FiguresFrancaises.h"

#include "ui/cartes/CadreDeFigure.h"
#include "ui/cartes/Enseignes.h"
#include "ui/cartes/OutilsDeDessin.h"
#include "ui/cartes/Personnages.h"
#include "rules/Carte.h"

#include <cmath>

namespace {

using namespace teintes;

// A half figure is drawn in a box of 100 x 96 units that fills the upper half of the frame.
constexpr double UNITE = 0.44;
constexpr double HAUTEUR_DEMI = 96;
const QPointF TETE(50, 35);
constexpr double TETE_RX = 13;
constexpr double TETE_RY = 16;
const QColor CHEVEUX_BLONDS(0xe2, 0xb5, 0x45);
const QColor CHEVEUX_BRUNS(0x6a, 0x44, 0x24);
// What the figure holds runs slantwise through his hand up to the corner of the half.
const QPointF PIED_DE_HAMPE(55, 100);
const QPointF HAUT_DE_HAMPE(85, 10);
const QPointF MAIN(61.5, 80);

struct Habits {
    QColor robe;
    QColor bordure;
    QColor parure;
};

// Red suits dress their figures in one colour scheme, black suits in its counterpart.
Habits habitsDe(const Carte& carte) {
    const bool rouge = carte.getCouleur() == Carte::Carreau || carte.getCouleur() == Carte::Coeur;
    switch (carte.getPosition()) {
    case Carte::Roi: return rouge ? Habits{ROUGE, OR, BLEU} : Habits{BLEU, OR, ROUGE};
    case Carte::Dame: return rouge ? Habits{BLEU, OR, ROUGE} : Habits{ROUGE, OR, VERT};
    default: return rouge ? Habits{VERT, OR, ROUGE} : Habits{ROUGE, OR, BLEU};
    }
}

void robe(QPainter& p, const Habits& habits) {
    QPainterPath corps(QPointF(7, 97));
    corps.lineTo(7, 88);
    corps.cubicTo(9, 72, 21, 62, 37, 58);
    corps.lineTo(63, 58);
    corps.cubicTo(79, 62, 91, 72, 93, 88);
    corps.lineTo(93, 97);
    corps.closeSubpath();
    peins(p, corps, habits.robe, trait(CONTOUR, 1.6));
    // Small gold flowers strewn over the cloth.
    p.setPen(Qt::NoPen);
    p.setBrush(habits.bordure);
    for (const QPointF fleuron : {QPointF(20, 90), QPointF(29, 77), QPointF(80, 92)})
        for (int i = 0; i < 4; ++i) p.drawEllipse(surLeCercle(fleuron, 2, 45 + 90 * i), 1.3, 1.3);

    for (const double cote : {-1.0, 1.0}) {
        QPainterPath epaulette(QPointF(50 + cote * 39, 86));
        epaulette.cubicTo(QPointF(50 + cote * 35, 72), QPointF(50 + cote * 26, 64), QPointF(50 + cote * 12, 60));
        epaulette.lineTo(50 + cote * 11, 66);
        epaulette.cubicTo(QPointF(50 + cote * 23, 69), QPointF(50 + cote * 30, 76), QPointF(50 + cote * 33, 88));
        epaulette.closeSubpath();
        peins(p, epaulette, habits.bordure, trait(CONTOUR, 1.1));
    }
    peins(p, polygone({{43, 60}, {57, 60}, {60, 97}, {40, 97}}), habits.bordure, trait(CONTOUR, 1.2));
    p.setPen(trait(CONTOUR, 0.8));
    p.setBrush(habits.parure);
    for (double y = 68; y < 96; y += 8) p.drawPath(polygone({{50, y - 3.5}, {53, y}, {50, y + 3.5}, {47, y}}));
}

// The arm that holds the staff, its sleeve in the robe's colour with a gold cuff.
void bras(QPainter& p, const Habits& habits) {
    const QPointF epaule(80, 70);
    p.setPen(QPen(CONTOUR, 12.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(epaule, MAIN + QPointF(3, 1));
    p.setPen(QPen(habits.parure, 10, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(epaule, MAIN + QPointF(3, 1));
    p.setPen(trait(habits.bordure, 1.4));
    p.drawLine(epaule + (MAIN - epaule) * 0.35 + QPointF(-3, -4), epaule + (MAIN - epaule) * 0.35 + QPointF(3, 4));
    p.setPen(trait(CONTOUR, 1.0));
    p.setBrush(habits.bordure);
    p.drawEllipse(MAIN + QPointF(4.5, 1), 3, 5.5);
    dessineMain(p, MAIN);
}

void col(QPainter& p, bool hermine) {
    QPainterPath collet(QPointF(31, 59));
    collet.quadTo(50, 78, 69, 59);
    collet.lineTo(65, 56);
    collet.quadTo(50, 68, 35, 56);
    collet.closeSubpath();
    peins(p, collet, BLANC, trait(CONTOUR, 1.1));
    if (!hermine) return;
    p.setPen(Qt::NoPen);
    p.setBrush(NOIR);
    for (const double x : {38.0, 45.0, 55.0, 62.0}) p.drawEllipse(QPointF(x, 62 + (x > 42 && x < 58 ? 3.5 : 0)), 0.9, 1.6);
}

void cou(QPainter& p) {
    peins(p, polygone({{44, 46}, {56, 46}, {56, 60}, {44, 60}}), PEAU, trait(CONTOUR, 1.0));
}

// Hair that frames the face and falls to the given depth behind it.
void chevelure(QPainter& p, const QColor& couleur, double largeur, double bas) {
    QPainterPath cheveux(QPointF(50 - largeur, 28));
    cheveux.cubicTo(50 - largeur - 2, 40, 50 - largeur - 1, bas - 8, 50 - largeur - 4, bas);
    cheveux.lineTo(50 + largeur + 4, bas);
    cheveux.cubicTo(50 + largeur + 1, bas - 8, 50 + largeur + 2, 40, 50 + largeur, 28);
    cheveux.cubicTo(50 + largeur - 3, 14, 50 - largeur + 3, 14, 50 - largeur, 28);
    peins(p, cheveux, couleur, trait(CONTOUR, 1.1));
}

void frange(QPainter& p, const QColor& couleur) {
    QPainterPath meche(TETE + QPointF(-12.5, -3));
    meche.cubicTo(TETE + QPointF(-10, -19), TETE + QPointF(10, -19), TETE + QPointF(12.5, -3));
    meche.cubicTo(TETE + QPointF(6, -11), TETE + QPointF(-6, -11), TETE + QPointF(-12.5, -3));
    peins(p, meche, couleur, trait(CONTOUR, 0.9));
}

void hampe(QPainter& p, const QColor& couleur, double largeur) {
    p.setPen(QPen(CONTOUR, largeur + 1.8, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(PIED_DE_HAMPE, HAUT_DE_HAMPE);
    p.setPen(QPen(couleur, largeur, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(PIED_DE_HAMPE, HAUT_DE_HAMPE);
}

void sceptre(QPainter& p) {
    hampe(p, OR, 3.2);
    p.setPen(trait(CONTOUR, 1.1));
    p.setBrush(OR_CLAIR);
    p.drawEllipse(HAUT_DE_HAMPE, 5, 5);
    p.setPen(trait(OR_FONCE, 2.2));
    p.drawLine(HAUT_DE_HAMPE + QPointF(1, -5), HAUT_DE_HAMPE + QPointF(2.5, -12));
    p.drawLine(HAUT_DE_HAMPE + QPointF(-2, -9), HAUT_DE_HAMPE + QPointF(5.5, -7.5));
}

void fleur(QPainter& p, const Habits& habits) {
    hampe(p, VERT, 2);
    peins(p, feuille(HAUT_DE_HAMPE + QPointF(-8, 26), HAUT_DE_HAMPE + QPointF(-20, 18), 3.5), VERT, trait(VERT_FONCE, 0.8));
    const QPointF c = HAUT_DE_HAMPE;
    QPainterPath tulipe(c + QPointF(-7, -8));
    tulipe.lineTo(c + QPointF(-3.5, -3));
    tulipe.lineTo(c + QPointF(0, -10));
    tulipe.lineTo(c + QPointF(3.5, -3));
    tulipe.lineTo(c + QPointF(7, -8));
    tulipe.cubicTo(c + QPointF(8, 2), c + QPointF(4, 5), c + QPointF(0, 5));
    tulipe.cubicTo(c + QPointF(-4, 5), c + QPointF(-8, 2), c + QPointF(-7, -8));
    peins(p, tulipe, habits.parure, trait(CONTOUR, 1.0));
}

void hallebarde(QPainter& p) {
    hampe(p, BRUN, 2.8);
    const QPointF c = HAUT_DE_HAMPE;
    peins(p, polygone({c + QPointF(-1.5, 2), c + QPointF(1.5, -12), c + QPointF(3, 3)}), ACIER, trait(CONTOUR, 0.9));
    QPainterPath lame(c + QPointF(-1, 6));
    lame.lineTo(c + QPointF(-11, 2));
    lame.cubicTo(c + QPointF(-15, 9), c + QPointF(-14, 17), c + QPointF(-9, 21));
    lame.lineTo(c + QPointF(-2.5, 14));
    lame.closeSubpath();
    peins(p, lame, ACIER, trait(CONTOUR, 1.0));
    peins(p, polygone({c + QPointF(2, 8), c + QPointF(9, 11), c + QPointF(1.2, 14)}), ACIER, trait(CONTOUR, 0.9));
}

void roi(QPainter& p, const Habits& habits) {
    chevelure(p, CHEVEUX_BRUNS, 14.5, 52);
    robe(p, habits);
    cou(p);
    col(p, true);
    sceptre(p);
    bras(p, habits);
    dessineVisage(p, TETE, TETE_RX, TETE_RY);
    dessineBarbe(p, TETE, TETE_RX, TETE_RY, CHEVEUX_BRUNS);
    dessineCouronne(p, TETE - QPointF(0, 11), 30, 21);
}

void dame(QPainter& p, const Habits& habits) {
    chevelure(p, CHEVEUX_BLONDS, 14.5, 68);
    robe(p, habits);
    cou(p);
    peins(p, polygone({{40, 58}, {50, 71}, {60, 58}}), PEAU, trait(CONTOUR, 1.0));
    p.setPen(trait(CONTOUR, 0.6));
    p.setBrush(BLANC);
    for (int i = 0; i <= 6; ++i) p.drawEllipse(QPointF(42.5 + i * 2.5, 59.5 + 4 * (1 - std::abs(i - 3) / 3.0)), 1.2, 1.2);
    fleur(p, habits);
    bras(p, habits);
    dessineVisage(p, TETE, TETE_RX, TETE_RY);
    frange(p, CHEVEUX_BLONDS);
    dessineCouronne(p, TETE - QPointF(0, 13), 24, 13);
}

void valet(QPainter& p, const Habits& habits) {
    chevelure(p, CHEVEUX_BLONDS, 14, 50);
    robe(p, habits);
    cou(p);
    col(p, false);
    hallebarde(p);
    bras(p, habits);
    dessineVisage(p, TETE, TETE_RX, TETE_RY);
    peins(p, feuille(TETE + QPointF(-8, -18), TETE + QPointF(-30, -31), 4.5), BLANC, trait(CONTOUR, 0.9));
    QPainterPath beret(TETE + QPointF(-17, -12));
    beret.cubicTo(TETE + QPointF(-17, -30), TETE + QPointF(17, -30), TETE + QPointF(17, -12));
    beret.closeSubpath();
    peins(p, beret, habits.parure, trait(CONTOUR, 1.1));
    p.setPen(trait(CONTOUR, 1.1));
    p.setBrush(habits.bordure);
    p.drawRoundedRect(QRectF(TETE + QPointF(-18, -15), QSizeF(36, 5)), 2.5, 2.5);
}

void demiFigure(QPainter& p, const Carte& carte) {
    const Habits habits = habitsDe(carte);
    switch (carte.getPosition()) {
    case Carte::Roi: roi(p, habits); break;
    case Carte::Dame: dame(p, habits); break;
    default: valet(p, habits); break;
    }
}

}  // namespace

void dessineFigureFrancaise(QPainter& p, const StyleDessine& style, const Carte& carte) {
    ouvreCadre(p);
    const QPointF centre = CADRE_DE_FIGURE.center();
    for (int moitie = 0; moitie < 2; ++moitie) {
        p.save();
        if (moitie == 1) {
            p.translate(centre);
            p.rotate(180);
            p.translate(-centre);
        }
        p.save();
        p.setClipRect(QRectF(CADRE_DE_FIGURE.topLeft(), QSizeF(CADRE_DE_FIGURE.width(), CADRE_DE_FIGURE.height() / 2)),
                      Qt::IntersectClip);
        p.translate(CADRE_DE_FIGURE.topLeft());
        p.scale(UNITE, CADRE_DE_FIGURE.height() / 2 / HAUTEUR_DEMI);
        demiFigure(p, carte);
        p.restore();
        dessineEnseigne(p, style, carte.getCouleur(), QRectF(CADRE_DE_FIGURE.left() + 2, CADRE_DE_FIGURE.top() + 2, 7.5, 8));
        p.restore();
    }
    p.setPen(QPen(CONTOUR, 0.7));
    p.drawLine(QPointF(CADRE_DE_FIGURE.left(), centre.y()), QPointF(CADRE_DE_FIGURE.right(), centre.y()));
    fermeCadre(p);
}
