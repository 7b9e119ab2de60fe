#include "ui/cartes/Personnages.h"

#include "ui/cartes/OutilsDeDessin.h"

using namespace teintes;

void dessineVisage(QPainter& peintre, QPointF c, double rx, double ry) {
    peintre.setPen(trait(CONTOUR, 1.4));
    peintre.setBrush(PEAU);
    peintre.drawEllipse(c, rx, ry);
    peintre.setPen(Qt::NoPen);
    peintre.setBrush(QColor(0xe8, 0x80, 0x70, 90));
    for (const double cote : {-1.0, 1.0}) peintre.drawEllipse(c + QPointF(cote * 0.5 * rx, 0.32 * ry), 0.2 * rx, 0.14 * ry);
    peintre.setBrush(CONTOUR);
    for (const double cote : {-1.0, 1.0}) peintre.drawEllipse(c + QPointF(cote * 0.4 * rx, -0.04 * ry), 0.13 * rx, 0.1 * ry);
    peintre.setPen(trait(BRUN, 1.1));
    for (const double cote : {-1.0, 1.0})
        peintre.drawLine(c + QPointF(cote * 0.62 * rx, -0.26 * ry), c + QPointF(cote * 0.2 * rx, -0.3 * ry));
    QPainterPath nez(c + QPointF(0, -0.05 * ry));
    nez.lineTo(c + QPointF(-0.12 * rx, 0.36 * ry));
    nez.lineTo(c + QPointF(0.08 * rx, 0.4 * ry));
    peins(peintre, nez, Qt::NoBrush, trait(CONTOUR, 0.9));
    peintre.setPen(trait(ROUGE, 1.4));
    peintre.drawLine(c + QPointF(-0.24 * rx, 0.64 * ry), c + QPointF(0.24 * rx, 0.64 * ry));
}

void dessineCouronne(QPainter& peintre, QPointF base, double largeur, double hauteur) {
    const double g = base.x() - largeur / 2;
    const double d = base.x() + largeur / 2;
    const double bas = base.y();
    const double bandeau = bas - hauteur * 0.32;
    const double haut = bas - hauteur;
    peins(peintre,
          polygone({{g, bas}, {g, haut + hauteur * 0.12}, {g + largeur * 0.27, bandeau - hauteur * 0.12},
                    {base.x(), haut}, {d - largeur * 0.27, bandeau - hauteur * 0.12}, {d, haut + hauteur * 0.12},
                    {d, bas}}),
          OR, trait(CONTOUR, 1.1));
    peintre.setPen(trait(CONTOUR, 0.9));
    peintre.drawLine(QPointF(g, bandeau), QPointF(d, bandeau));
    peintre.setBrush(OR_CLAIR);
    for (const QPointF pointe : {QPointF(g, haut + hauteur * 0.12), QPointF(base.x(), haut), QPointF(d, haut + hauteur * 0.12)})
        peintre.drawEllipse(pointe, largeur * 0.07, largeur * 0.07);
    peintre.setPen(Qt::NoPen);
    peintre.setBrush(ROUGE);
    peintre.drawEllipse(QPointF(base.x(), (bas + bandeau) / 2), largeur * 0.08, hauteur * 0.1);
    peintre.setBrush(BLEU);
    for (const double cote : {-1.0, 1.0})
        peintre.drawEllipse(QPointF(base.x() + cote * largeur * 0.3, (bas + bandeau) / 2), largeur * 0.06, hauteur * 0.08);
}

void dessineMain(QPainter& peintre, QPointF centre) {
    peintre.setPen(trait(CONTOUR, 1.1));
    peintre.setBrush(PEAU);
    peintre.drawEllipse(centre, 4.2, 3.8);
}

void dessineBarbe(QPainter& peintre, QPointF c, double rx, double ry, const QColor& couleur) {
    QPainterPath barbe(c + QPointF(-0.95 * rx, 0.1 * ry));
    barbe.cubicTo(c + QPointF(-0.9 * rx, 1.0 * ry), c + QPointF(-0.45 * rx, 1.45 * ry), c + QPointF(0, 1.5 * ry));
    barbe.cubicTo(c + QPointF(0.45 * rx, 1.45 * ry), c + QPointF(0.9 * rx, 1.0 * ry), c + QPointF(0.95 * rx, 0.1 * ry));
    barbe.cubicTo(c + QPointF(0.7 * rx, 0.62 * ry), c + QPointF(0.45 * rx, 0.86 * ry), c + QPointF(0, 0.86 * ry));
    barbe.cubicTo(c + QPointF(-0.45 * rx, 0.86 * ry), c + QPointF(-0.7 * rx, 0.62 * ry), c + QPointF(-0.95 * rx, 0.1 * ry));
    peins(peintre, barbe, couleur, trait(CONTOUR, 1.0));
    QPainterPath moustache(c + QPointF(-0.5 * rx, 0.68 * ry));
    moustache.quadTo(c + QPointF(-0.2 * rx, 0.42 * ry), c + QPointF(0, 0.52 * ry));
    moustache.quadTo(c + QPointF(0.2 * rx, 0.42 * ry), c + QPointF(0.5 * rx, 0.68 * ry));
    peins(peintre, moustache, Qt::NoBrush, trait(couleur.darker(130), 2.0));
}
