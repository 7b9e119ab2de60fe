#pragma once

#include <QBrush>
#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <initializer_list>

// The inks shared by the suit symbols and the figures.
namespace teintes {
inline const QColor CONTOUR(0x2a, 0x20, 0x18);
inline const QColor OR_CLAIR(0xff, 0xe0, 0x70);
inline const QColor OR(0xf0, 0xb8, 0x20);
inline const QColor OR_FONCE(0xb0, 0x72, 0x08);
inline const QColor ROUGE(0xcc, 0x1f, 0x2a);
inline const QColor ROUGE_CLAIR(0xea, 0x5a, 0x60);
inline const QColor ROUGE_FONCE(0x7a, 0x0c, 0x12);
inline const QColor BLEU(0x24, 0x50, 0xa0);
inline const QColor VERT(0x3c, 0x8c, 0x2c);
inline const QColor VERT_FONCE(0x1e, 0x52, 0x16);
inline const QColor BRUN(0x7a, 0x4a, 0x1e);
inline const QColor BRUN_CLAIR(0xb0, 0x7c, 0x44);
inline const QColor NOIR(0x1c, 0x1c, 0x1c);
inline const QColor BLANC(0xfd, 0xfb, 0xf4);
inline const QColor PEAU(0xf7, 0xd6, 0xb4);
inline const QColor ACIER(0xc4, 0xca, 0xd2);
}  // namespace teintes

QPen trait(const QColor& couleur, double largeur);
void peins(QPainter& peintre, const QPainterPath& chemin, const QBrush& fond, const QPen& contour);
QPointF surLeCercle(QPointF centre, double rayon, double degres);
// A pointed leaf (or a feather) from its stalk to its tip, bulging to both sides.
QPainterPath feuille(QPointF base, QPointF pointe, double largeur);
// A closed polygon through the points.
QPainterPath polygone(std::initializer_list<QPointF> sommets);
