#include "ui/cartes/ImagesDuStyle.h"

#include "ui/cartes/BoutonsAtout.h"
#include "ui/cartes/Dos.h"
#include "ui/cartes/Face.h"

ImagesDuStyle ImagesDuStyle::dessine(const StyleDessine& style) {
    ImagesDuStyle images;
    for (unsigned tag = 0; tag < Carte::NB_CARTES; ++tag) images.faces[tag] = dessineFace(style, Carte::parTag(tag));
    images.dos = dessineDos(style);
    for (int mode = 1; mode <= NB_MODES_ATOUT; ++mode)
        images.boutons[mode - 1] = dessineBouton(style, static_cast<Atout>(mode));
    return images;
}

QString ImagesDuStyle::nomFace(const Carte& carte) {
    return QString::fromStdString(carte.getIdentifiant()) + QStringLiteral(".bmp");
}

QString ImagesDuStyle::nomDos() { return QStringLiteral("back.bmp"); }

QString ImagesDuStyle::nomBouton(Atout mode) { return QString::number(valeur(mode)) + QStringLiteral("_btn.bmp"); }
