#include "ui/cartes/Toile.h"

#include <algorithm>

QSize Toile::tailleA(QSize taille, double echelle) {
    return {std::max(1, qRound(taille.width() * echelle)), std::max(1, qRound(taille.height() * echelle))};
}

// Each axis is stretched to the whole pixels of the final size, so the border lies on its edge.
Toile::Toile(QSize taille, double echelle)
    : taille_(tailleA(taille, echelle)), fine_(taille_ * FINESSE, QImage::Format_ARGB32_Premultiplied) {
    fine_.fill(Qt::transparent);
    peintre_.begin(&fine_);
    peintre_.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    peintre_.scale(FINESSE * double(taille_.width()) / taille.width(), FINESSE * double(taille_.height()) / taille.height());
}

QImage Toile::image() {
    peintre_.end();
    return fine_.scaled(taille_, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32);
}
