#pragma once

#include <QPainter>
#include <QPointF>

// Pieces shared by the figures of both packs, in the figure's own units (a head is about twenty
// units wide).

// A face seen from the front: skin, eyes, brows, nose, mouth and a touch of colour on the cheeks.
void dessineVisage(QPainter& peintre, QPointF centre, double rayonX, double rayonY);
// A gold crown with three points; base is the middle of its lower edge.
void dessineCouronne(QPainter& peintre, QPointF base, double largeur, double hauteur);
void dessineMain(QPainter& peintre, QPointF centre);
// A full beard round the lower face, with its moustache.
void dessineBarbe(QPainter& peintre, QPointF centreDuVisage, double rayonX, double rayonY, const QColor& couleur);
