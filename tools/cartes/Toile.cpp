#include "Toile.h"

Toile::Toile(QSize taille)
    : taille_(taille), fine_(taille * FINESSE, QImage::Format_ARGB32_Premultiplied) {
    fine_.fill(Qt::transparent);
    peintre_.begin(&fine_);
    peintre_.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    peintre_.scale(FINESSE, FINESSE);
}

QImage Toile::image() {
    peintre_.end();
    return fine_.scaled(taille_, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32);
}
