#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include "models/PanelDeJoueur.h"

// The table shown at a scale of its classic size of 792 x 554. The models lay everything out in
// classic pixels; the views multiply positions, sizes, card pictures and fonts by one factor, so
// a larger window shows larger cards and texts rather than more green.
class Echelle {
public:
    static constexpr QSize TAILLE_CLASSIQUE{792, 554};
    // The smallest playing area in which nothing overlaps and every text stays legible.
    static constexpr QSize TAILLE_MINIMUM{640, 448};

    Echelle() = default;
    explicit Echelle(double facteur) : facteur_(facteur) {}
    // The largest scale at which the classic table fits the area.
    static Echelle pour(QSize zone);

    double facteur() const { return facteur_; }
    bool operator==(const Echelle&) const = default;
    // The area in classic pixels: at least the classic size along one side.
    QSize classique(QSize zone) const;
    int px(int classique) const;
    // Edges are scaled, not sizes: neighbours that touch at the classic size still touch.
    QRect rect(int left, int top, int width, int height) const;
    QRect rect(const PanelDeJoueur::Rectangle& r) const { return rect(r.left, r.top, r.width, r.height); }
    QPoint point(int x, int y) const { return {px(x), px(y)}; }
    // A point of the screen in classic pixels.
    QPoint versClassique(QPoint point) const;
    // A card as shown, the size its picture is drawn at.
    QSize carte() const;
    // A font size given in classic pixels.
    int police(int pixels) const;

private:
    double facteur_ = 1.0;
};
