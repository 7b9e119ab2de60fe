#pragma once

#include <QImage>
#include <QPainter>
#include <QSize>

// A picture drawn in the pixel units of its final size on a canvas four times finer, then
// averaged down: an 8-pixel pip or a one-pixel border keeps a smooth edge and its exact weight.
class Toile {
public:
    explicit Toile(QSize taille);
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
