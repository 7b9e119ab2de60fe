#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QSize>

// The size at which the program shows every card.
constexpr QSize TAILLE_CARTE(71, 96);

// The card's edge with rounded corners, laid on the pixel centres so a one-pixel border is crisp.
QPainterPath contourCarte();
// A blank card: the paper in its colour and the thin dark border.
void dessineCarteVierge(QPainter& peintre, const QColor& papier);
