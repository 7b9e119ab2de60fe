#include "ui/cartes/Banniere.h"

#include <QLinearGradient>

#include "ui/cartes/CadreDeFigure.h"
#include "ui/cartes/Enseignes.h"
#include "ui/cartes/OutilsDeDessin.h"

namespace {

using namespace teintes;

constexpr double UNITE = 0.44;
constexpr double HAUTEUR = 193;

QPainterPath drapeau() {
    QPainterPath tissu(QPointF(22, 16));
    tissu.cubicTo(48, 4, 70, 26, 96, 14);
    tissu.lineTo(96, 122);
    tissu.cubicTo(70, 134, 48, 112, 22, 124);
    tissu.closeSubpath();
    return tissu;
}

void hampe(QPainter& p) {
    p.setPen(QPen(CONTOUR, 6.4, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(20, 10), QPointF(20, 192));
    p.setPen(QPen(BRUN, 4.4, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(20, 10), QPointF(20, 192));
    peins(p, polygone({{16, 10}, {20, 0}, {24, 10}}), OR, trait(CONTOUR, 1.0));
    p.setPen(trait(CONTOUR, 1.0));
    p.setBrush(OR_CLAIR);
    p.drawEllipse(QPointF(20, 12), 4.5, 4.5);
}

}  // namespace

void dessineBanniere(QPainter& p, const StyleDessine& style, int couleur) {
    ouvreCadre(p);
    dessineSol(p);
    p.translate(CADRE_DE_FIGURE.topLeft());
    p.scale(UNITE, CADRE_DE_FIGURE.height() / HAUTEUR);
    hampe(p);
    const QPainterPath tissu = drapeau();
    // Light and shade run across the cloth as it waves.
    QLinearGradient plis(QPointF(22, 0), QPointF(96, 0));
    plis.setColorAt(0, BLANC);
    plis.setColorAt(0.3, QColor(0xe6, 0xdf, 0xcc));
    plis.setColorAt(0.6, BLANC);
    plis.setColorAt(1, QColor(0xe6, 0xdf, 0xcc));
    peins(p, tissu, plis, Qt::NoPen);
    p.save();
    p.setClipPath(tissu, Qt::IntersectClip);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ROUGE, 14));
    p.drawPath(tissu);
    p.restore();
    peins(p, tissu, Qt::NoBrush, trait(CONTOUR, 1.4));
    dessineEnseigne(p, style, couleur, QRectF(37, 44, 46, 48));
    fermeCadre(p);
}
