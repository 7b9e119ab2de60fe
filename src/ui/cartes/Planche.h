#pragma once

#include <QImage>
#include <QString>

// A contact sheet for looking at the pictures: for each style (or only the one whose folder is
// named), its 36 faces by suit, its back, its seven trump buttons and a fanned hand as the
// player panel lays it, on a green cloth, enlarged by a whole factor.
QImage dessinePlanche(const QString& seulStyle, int echelle);
