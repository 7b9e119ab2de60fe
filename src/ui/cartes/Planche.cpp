#include "ui/cartes/Planche.h"

#include <QPainter>
#include <vector>

#include "ui/cartes/BoutonsAtout.h"
#include "ui/cartes/ContourDeCarte.h"
#include "ui/cartes/ImagesDuStyle.h"

namespace {

constexpr int MARGE = 10;
constexpr int ECART = 5;
constexpr int TITRE = 18;
// The player panel lays the cards of a hand this far apart.
constexpr int PAS_DE_LA_MAIN = 12;
constexpr int LARGEUR = 2 * MARGE + 9 * TAILLE_CARTE.width() + 8 * ECART;
constexpr int HAUTEUR_STYLE = TITRE + 5 * (TAILLE_CARTE.height() + ECART) + MARGE;
const QColor TAPIS(0x2e, 0x6b, 0x3a);
const QColor FACE_DE_BOUTON(0xf0, 0xf0, 0xf0);
const unsigned MAIN_EXEMPLE[] = {0, 13, 20, 34, 7, 17, 3, 28, 26};

void bouton(QPainter& p, QPoint coin, const QImage& glyphe) {
    p.fillRect(QRect(coin, TAILLE_BOUTON), FACE_DE_BOUTON);
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawRect(QRect(coin, TAILLE_BOUTON - QSize(1, 1)));
    p.drawImage(coin, glyphe);
}

void style(QPainter& p, const StyleDessine& style, int haut) {
    const ImagesDuStyle images = ImagesDuStyle::dessine(style);
    p.setPen(Qt::white);
    p.drawText(QPoint(MARGE, haut + 13), style.dossier);
    const int largeurCase = TAILLE_CARTE.width() + ECART;
    const int hauteurCase = TAILLE_CARTE.height() + ECART;
    for (unsigned tag = 0; tag < Carte::NB_CARTES; ++tag)
        p.drawImage(QPoint(MARGE + int(tag % 9) * largeurCase, haut + TITRE + int(tag / 9) * hauteurCase), images.faces[tag]);
    const int rangee = haut + TITRE + 4 * hauteurCase;
    p.drawImage(QPoint(MARGE, rangee), images.dos);
    for (int i = 0; i < NB_MODES_ATOUT; ++i)
        bouton(p, QPoint(MARGE + largeurCase + i * (TAILLE_BOUTON.width() + 3), rangee + 8), images.boutons[i]);
    const int gaucheMain = MARGE + 3 * largeurCase;
    for (int i = 0; i < 9; ++i) p.drawImage(QPoint(gaucheMain + i * PAS_DE_LA_MAIN, rangee), images.faces[MAIN_EXEMPLE[i]]);
    for (int i = 0; i < 4; ++i) p.drawImage(QPoint(gaucheMain + 200 + i * 8, rangee), images.dos);
}

}  // namespace

QImage dessinePlanche(const QString& seulStyle, int echelle) {
    std::vector<const StyleDessine*> choisis;
    for (const StyleDessine& candidat : stylesDessines())
        if (seulStyle.isEmpty() || candidat.dossier == seulStyle) choisis.push_back(&candidat);
    QImage planche(LARGEUR, HAUTEUR_STYLE * int(choisis.size()), QImage::Format_ARGB32_Premultiplied);
    planche.fill(TAPIS);
    QPainter p(&planche);
    for (std::size_t i = 0; i < choisis.size(); ++i) style(p, *choisis[i], int(i) * HAUTEUR_STYLE);
    p.end();
    return planche.scaled(planche.size() * echelle, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}
