#pragma once

#include <QImage>
#include <QPainter>
#include <QSize>

// A picture drawn in the pixel units of its classic size on a canvas four times finer than the
// picture, then averaged down: an 8-pixel pip or a one-pixel border keeps a smooth edge and its
// exact weight. With an echelle, the same drawing comes out that many times larger, as sharp.
class Toile {
public:
    explicit Toile(QSize taille, double echelle = 1.0);
    // The size of a picture of that classic size drawn at that scale.
    static QSize tailleA(QSize taille, double echelle);
    Toile(const Toile&) = delete;
    Toile& operator=(const Toile&) = delete;

    QPainter& peintre() { return peintre_; }
    // Ends the drawing; the picture at its final size, with its transparency.
    QImage image();

private:
    static constexpr int FINESSE = 4;

    QSize taille_;
    QImage fine_;
    QPainter peintre_;
};
