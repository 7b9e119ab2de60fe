#include "ui/Icone.h"

#include <QPainter>
#include <QPainterPath>

namespace {

void dessineCarte(QPainter& p, double cote, double angle, const QString& symbole, const QColor& encre) {
    const double largeur = cote * 0.42;
    const double hauteur = largeur * 96.0 / 71.0;
    p.save();
    p.translate(cote * 0.5, cote * 0.86);
    p.rotate(angle);
    const QRectF carte(-largeur / 2, -hauteur, largeur, hauteur);
    p.setPen(QPen(QColor(0x55, 0x55, 0x55), cote / 128.0));
    p.setBrush(QColor(0xfc, 0xfb, 0xf6));
    p.drawRoundedRect(carte, largeur * 0.1, largeur * 0.1);
    QFont police(QStringLiteral("DejaVu Sans"));
    police.setPixelSize(static_cast<int>(largeur * 0.7));
    p.setFont(police);
    p.setPen(encre);
    p.drawText(carte, Qt::AlignCenter, symbole);
    p.restore();
}

}  // namespace

QImage dessineIcone(int cote) {
    QImage image(cote, cote, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF fond(cote * 0.04, cote * 0.04, cote * 0.92, cote * 0.92);
    QRadialGradient vert(fond.center(), cote * 0.6);
    vert.setColorAt(0, QColor(0x1f, 0x8f, 0x45));
    vert.setColorAt(1, QColor(0x0b, 0x4d, 0x22));
    p.setPen(QPen(QColor(0xd9, 0xb3, 0x47), cote / 32.0));
    p.setBrush(vert);
    p.drawRoundedRect(fond, cote * 0.18, cote * 0.18);
    dessineCarte(p, cote, -16, QStringLiteral("\u2660"), QColor(0x15, 0x15, 0x20));
    dessineCarte(p, cote, 14, QStringLiteral("\u2665"), QColor(0xc0, 0x10, 0x20));
    return image;
}

QIcon iconeDuProgramme() {
    QIcon icone;
    for (const int cote : {16, 32, 48, 128, 256}) icone.addPixmap(QPixmap::fromImage(dessineIcone(cote)));
    return icone;
}
