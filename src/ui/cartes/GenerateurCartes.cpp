#include "ui/cartes/GenerateurCartes.h"

#include <QDir>

#include "ui/cartes/BmpAvecAlpha.h"
#include "ui/cartes/ImagesDuStyle.h"

namespace {

void ecrit(const QImage& image, const QDir& dossier, const QString& nom, QStringList& echecs) {
    const QString chemin = dossier.filePath(nom);
    if (!ecritBmpAvecAlpha(image, chemin)) echecs << chemin;
}

void ecritStyle(const StyleDessine& style, const QDir& dossier, QStringList& echecs) {
    const ImagesDuStyle images = ImagesDuStyle::dessine(style);
    for (unsigned tag = 0; tag < Carte::NB_CARTES; ++tag)
        ecrit(images.faces[tag], dossier, ImagesDuStyle::nomFace(Carte::parTag(tag)), echecs);
    ecrit(images.dos, dossier, ImagesDuStyle::nomDos(), echecs);
    for (int mode = 1; mode <= NB_MODES_ATOUT; ++mode)
        ecrit(images.boutons[mode - 1], dossier, ImagesDuStyle::nomBouton(static_cast<Atout>(mode)), echecs);
}

}  // namespace

QStringList genereCartes(const QString& dossierCartes) {
    QStringList echecs;
    for (const StyleDessine& style : stylesDessines()) {
        const QDir dossier(QDir(dossierCartes).filePath(style.dossier));
        if (!QDir().mkpath(dossier.path())) {
            echecs << dossier.path();
            continue;
        }
        ecritStyle(style, dossier, echecs);
    }
    return echecs;
}
