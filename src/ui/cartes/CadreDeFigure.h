#pragma once

#include <QPainter>
#include <QRectF>

// The framed picture area of a court card, the Banner and the Swiss-German Ace: clear of the
// corner indexes, so a card in a fanned hand still shows its index.
inline const QRectF CADRE_DE_FIGURE(13.5, 5.5, 44, 85);

// Paints the frame's paper and border, and leaves the painter clipped to the frame.
void ouvreCadre(QPainter& peintre);
// The grass the Swiss-German figures and the Banner stand on, along the bottom of the frame.
void dessineSol(QPainter& peintre);
// Closes the clipping and strokes the border again over what was drawn inside.
void fermeCadre(QPainter& peintre);
