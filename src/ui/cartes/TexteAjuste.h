#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>
#include <QString>

// Fills the text in bold so that its letters are exactly as tall as the box, centred across it,
// and narrowed when they would be wider: a "10" and a "V" read with the same weight and height.
void dessineTexteAjuste(QPainter& peintre, const QString& texte, const QRectF& boite, const QColor& couleur);
