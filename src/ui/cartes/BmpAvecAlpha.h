#pragma once

#include <QImage>
#include <QString>

// Writes a 32-bit bitmap that keeps the transparency of the picture, so the rounded corners of a
// card and the background of a button glyph take the colour of whatever lies beneath. A reader
// that ignores transparency sees the light grey of a button face there instead of black.
bool ecritBmpAvecAlpha(const QImage& image, const QString& chemin);
