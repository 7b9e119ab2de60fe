#include "ui/cartes/BmpAvecAlpha.h"

#include <QByteArray>
#include <QFile>
#include <QtEndian>

namespace {

constexpr quint32 TAILLE_ENTETE_FICHIER = 14;
constexpr quint32 TAILLE_ENTETE_V5 = 124;
constexpr quint32 BI_BITFIELDS = 3;
constexpr quint32 ESPACE_SRGB = 0x73524742;  // 'sRGB'
constexpr quint32 INTENTION_IMAGES = 4;      // LCS_GM_IMAGES
constexpr quint32 PIXELS_PAR_METRE = 2835;   // 72 dpi
constexpr QRgb GRIS_DE_BOUTON = 0x00f0f0f0;

void ajoute16(QByteArray& octets, quint16 valeur) {
    char brut[2];
    qToLittleEndian(valeur, brut);
    octets.append(brut, 2);
}

void ajoute32(QByteArray& octets, quint32 valeur) {
    char brut[4];
    qToLittleEndian(valeur, brut);
    octets.append(brut, 4);
}

void ajouteEntetes(QByteArray& octets, int largeur, int hauteur) {
    const quint32 tailleDesPixels = quint32(largeur) * quint32(hauteur) * 4;
    const quint32 debutDesPixels = TAILLE_ENTETE_FICHIER + TAILLE_ENTETE_V5;
    octets.append("BM", 2);
    ajoute32(octets, debutDesPixels + tailleDesPixels);
    ajoute32(octets, 0);
    ajoute32(octets, debutDesPixels);

    ajoute32(octets, TAILLE_ENTETE_V5);
    ajoute32(octets, quint32(largeur));
    ajoute32(octets, quint32(hauteur));  // positive: rows from the bottom up
    ajoute16(octets, 1);
    ajoute16(octets, 32);
    ajoute32(octets, BI_BITFIELDS);
    ajoute32(octets, tailleDesPixels);
    ajoute32(octets, PIXELS_PAR_METRE);
    ajoute32(octets, PIXELS_PAR_METRE);
    ajoute32(octets, 0);
    ajoute32(octets, 0);
    ajoute32(octets, 0x00ff0000);
    ajoute32(octets, 0x0000ff00);
    ajoute32(octets, 0x000000ff);
    ajoute32(octets, 0xff000000);
    ajoute32(octets, ESPACE_SRGB);
    for (int i = 0; i < 12; ++i) ajoute32(octets, 0);  // end points and gamma, unused with sRGB
    ajoute32(octets, INTENTION_IMAGES);
    ajoute32(octets, 0);
    ajoute32(octets, 0);
    ajoute32(octets, 0);
}

}  // namespace

bool ecritBmpAvecAlpha(const QImage& image, const QString& chemin) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    QByteArray octets;
    ajouteEntetes(octets, argb.width(), argb.height());
    for (int y = argb.height() - 1; y >= 0; --y) {
        const auto* ligne = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) ajoute32(octets, qAlpha(ligne[x]) == 0 ? GRIS_DE_BOUTON : ligne[x]);
    }
    QFile fichier(chemin);
    return fichier.open(QIODevice::WriteOnly) && fichier.write(octets) == octets.size() && fichier.flush();
}
