#include "ui/cartes/TexteAjuste.h"

#include <QFont>
#include <QPainterPath>
#include <QTransform>
#include <algorithm>

void dessineTexteAjuste(QPainter& peintre, const QString& texte, const QRectF& boite, const QColor& couleur) {
    QFont police(QStringLiteral("DejaVu Sans"));
    police.setBold(true);
    police.setPixelSize(100);
    police.setLetterSpacing(QFont::AbsoluteSpacing, -10);
    QPainterPath lettres;
    lettres.addText(0, 0, police, texte);
    const QRectF encre = lettres.boundingRect();
    const double hauteur = boite.height() / encre.height();
    const double largeur = std::min(hauteur, boite.width() / encre.width());
    QTransform ajuste;
    ajuste.translate(boite.center().x(), boite.top());
    ajuste.scale(largeur, hauteur);
    ajuste.translate(-encre.center().x(), -encre.top());
    peintre.fillPath(ajuste.map(lettres), couleur);
}
