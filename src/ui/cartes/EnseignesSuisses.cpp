#include "ui/cartes/EnseignesSuisses.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include "ui/cartes/OutilsDeDessin.h"

namespace {

using namespace teintes;

// The acorn stands point up in its cup, on a short stalk with two oak leaves.
void eichel(QPainter& peintre) {
    for (const QPointF pointe : {QPointF(14, 84), QPointF(86, 84)})
        peins(peintre, feuille(QPointF(50, 91), pointe, 9), VERT, trait(VERT_FONCE, 2.5));
    peintre.setPen(trait(BRUN, 6));
    peintre.drawLine(QPointF(50, 74), QPointF(50, 95));

    QPainterPath gland(QPointF(50, 3));
    gland.cubicTo(68, 9, 77, 30, 75, 58);
    gland.lineTo(25, 58);
    gland.cubicTo(23, 30, 32, 9, 50, 3);
    QLinearGradient dore(QPointF(26, 0), QPointF(76, 0));
    dore.setColorAt(0, OR_CLAIR);
    dore.setColorAt(0.55, OR);
    dore.setColorAt(1, OR_FONCE);
    peins(peintre, gland, dore, trait(CONTOUR, 3));
    peintre.setPen(Qt::NoPen);
    peintre.setBrush(QColor(255, 255, 255, 110));
    peintre.drawEllipse(QPointF(40, 27), 5, 11);

    QPainterPath cupule(QPointF(21, 52));
    cupule.cubicTo(20, 72, 34, 79, 50, 79);
    cupule.cubicTo(66, 79, 80, 72, 79, 52);
    cupule.cubicTo(66, 46, 34, 46, 21, 52);
    peins(peintre, cupule, BRUN, Qt::NoPen);
    peintre.save();
    peintre.setClipPath(cupule);
    peintre.setPen(trait(BRUN_CLAIR, 2.2));
    for (double x = -10; x < 110; x += 8) {
        peintre.drawLine(QPointF(x, 44), QPointF(x + 36, 80));
        peintre.drawLine(QPointF(x + 36, 44), QPointF(x, 80));
    }
    peintre.restore();
    peins(peintre, cupule, Qt::NoBrush, trait(CONTOUR, 3));
}

// A round sleigh bell: gold, a red band round its middle, the slot with its hole below.
void schelle(QPainter& peintre) {
    peintre.setPen(trait(CONTOUR, 4));
    peintre.setBrush(Qt::NoBrush);
    peintre.drawEllipse(QPointF(50, 10), 6, 6);

    QPainterPath corps;
    corps.addEllipse(QPointF(50, 56), 41, 41);
    QRadialGradient dore(QPointF(50, 56), 41, QPointF(36, 40));
    dore.setColorAt(0, OR_CLAIR);
    dore.setColorAt(0.6, OR);
    dore.setColorAt(1, OR_FONCE);
    peins(peintre, corps, dore, Qt::NoPen);

    peintre.save();
    peintre.setClipPath(corps);
    peintre.setPen(trait(CONTOUR, 2));
    peintre.setBrush(ROUGE);
    peintre.drawRect(QRectF(-5, 44, 110, 12));
    peintre.setPen(trait(NOIR, 6));
    peintre.drawLine(QPointF(50, 80), QPointF(50, 100));
    peintre.restore();
    peintre.setPen(Qt::NoPen);
    peintre.setBrush(NOIR);
    peintre.drawEllipse(QPointF(50, 77), 6.5, 6.5);
    peintre.setBrush(QColor(255, 255, 255, 130));
    peintre.drawEllipse(QPointF(33, 30), 8, 5);
    peins(peintre, corps, Qt::NoBrush, trait(CONTOUR, 3));
}

// A heraldic shield: red chief, black bar, gold field.
void schilte(QPainter& peintre) {
    QPainterPath ecu(QPointF(8, 5));
    ecu.lineTo(92, 5);
    ecu.lineTo(92, 46);
    ecu.cubicTo(92, 72, 73, 88, 50, 97);
    ecu.cubicTo(27, 88, 8, 72, 8, 46);
    ecu.closeSubpath();
    peins(peintre, ecu, OR, Qt::NoPen);
    peintre.save();
    peintre.setClipPath(ecu);
    peintre.setPen(Qt::NoPen);
    peintre.setBrush(ROUGE);
    peintre.drawRect(QRectF(0, 0, 100, 34));
    peintre.setBrush(NOIR);
    peintre.drawRect(QRectF(0, 34, 100, 10));
    peintre.setBrush(QColor(255, 255, 255, 90));
    peintre.drawRect(QRectF(14, 10, 8, 20));
    peintre.restore();
    peins(peintre, ecu, Qt::NoBrush, trait(NOIR, 4));
}

// A wild rose seen from above: green sepals between five red petals, a second smaller ring of
// petals and a golden heart.
void rose(QPainter& peintre) {
    const QPointF centre(50, 50);
    for (int i = 0; i < 5; ++i)
        peins(peintre, feuille(centre, surLeCercle(centre, 49, -54 + 72 * i), 9), VERT, trait(VERT_FONCE, 2));
    for (int i = 0; i < 5; ++i) {
        QPainterPath petale;
        petale.addEllipse(surLeCercle(centre, 21, -90 + 72 * i), 22, 22);
        peins(peintre, petale, ROUGE, trait(ROUGE_FONCE, 2.5));
    }
    for (int i = 0; i < 5; ++i) {
        QPainterPath petale;
        petale.addEllipse(surLeCercle(centre, 10, -54 + 72 * i), 12, 12);
        peins(peintre, petale, ROUGE_CLAIR, trait(ROUGE_FONCE, 2));
    }
    peintre.setPen(trait(OR_FONCE, 2));
    peintre.setBrush(OR);
    peintre.drawEllipse(centre, 9, 9);
}

}  // namespace

void dessineEnseigneSuisse(QPainter& peintre, int couleur) {
    peintre.save();
    switch (couleur) {
    case 1: eichel(peintre); break;
    case 2: schelle(peintre); break;
    case 3: schilte(peintre); break;
    default: rose(peintre); break;
    }
    peintre.restore();
}
