#include "ui/ImagesCartes.h"

#include <QFile>
#include <QImage>
#include <cmath>

#include "ui/cartes/BoutonsAtout.h"
#include "ui/cartes/ContourDeCarte.h"
#include "ui/cartes/Dos.h"
#include "ui/cartes/Face.h"
#include "ui/cartes/StyleDessine.h"
#include "ui/Ressources.h"

namespace {

// The drawings of a style; Cartes/ itself, outside the four styles, shows the French ones.
const StyleDessine& dessinDuStyle(StyleCartes style) {
    const auto valeur = static_cast<std::size_t>(style);
    return stylesDessines()[valeur < stylesDessines().size() ? valeur : 0];
}

bool estClassique(double echelle) { return std::abs(echelle - 1.0) < 1e-3; }

}  // namespace

ImagesCartes& ImagesCartes::instance() {
    static ImagesCartes images;
    return images;
}

QString ImagesCartes::dossier(StyleCartes style) {
    static const char* const dossiers[] = {"Fra/", "Ger/", "Fun/", "XXX/"};
    const auto valeur = static_cast<unsigned>(style);
    return ressources::dossierCartes() + QLatin1Char('/') +
           (valeur < 4 ? QString::fromLatin1(dossiers[valeur]) : QString());
}

void ImagesCartes::setStyle(StyleCartes style) {
    style_ = style;
    charge_ = false;
    dessinees_.clear();
}

QPixmap ImagesCartes::lit(const QString& fichier, Sorte sorte, int numero) {
    const QString chemin = dossier(style_) + fichier;
    QImage image;
    if (QFile::exists(chemin) && image.load(chemin)) return QPixmap::fromImage(image);
    trouvees_ = false;
    return dessinee(sorte, numero, 1.0);
}

void ImagesCartes::charge() {
    if (charge_) return;
    charge_ = true;
    trouvees_ = true;
    const QSize taille = TAILLE_CARTE;
    for (unsigned tag = 0; tag < Carte::NB_CARTES; ++tag) {
        const Carte& carte = Carte::parTag(tag);
        faces_[tag] = lit(QString::fromStdString(carte.getIdentifiant()) + QStringLiteral(".bmp"), Face, int(tag))
                          .scaled(taille, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    dos_ = lit(QStringLiteral("back.bmp"), Dos, 0).scaled(taille, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    for (int mode = 1; mode <= NB_MODES; ++mode)
        glyphes_[mode] = lit(QString::number(mode) + QStringLiteral("_btn.bmp"), Glyphe, mode);
}

const QPixmap& ImagesCartes::dessinee(Sorte sorte, int numero, double echelle) {
    if (echelle != echelleDessinee_) {
        dessinees_.clear();
        echelleDessinee_ = echelle;
    }
    const int cle = sorte * 64 + numero;
    if (const auto it = dessinees_.constFind(cle); it != dessinees_.constEnd()) return *it;
    const StyleDessine& dessin = dessinDuStyle(style_);
    QImage image;
    switch (sorte) {
        case Face: image = dessineFace(dessin, Carte::parTag(numero), echelle); break;
        case Dos: image = dessineDos(dessin, echelle); break;
        case Glyphe: image = dessineBouton(dessin, static_cast<Atout>(numero), echelle); break;
    }
    return *dessinees_.insert(cle, QPixmap::fromImage(image));
}

const QPixmap& ImagesCartes::face(const Carte& carte, double echelle) {
    if (!estClassique(echelle)) return dessinee(Face, int(carte.getTag()), echelle);
    charge();
    return faces_[carte.getTag()];
}

const QPixmap& ImagesCartes::dos(double echelle) {
    if (!estClassique(echelle)) return dessinee(Dos, 0, echelle);
    charge();
    return dos_;
}

const QPixmap& ImagesCartes::glypheAtout(int mode, double echelle) {
    const int m = mode >= 1 && mode <= NB_MODES ? mode : 1;
    if (!estClassique(echelle)) return dessinee(Glyphe, m, echelle);
    charge();
    return glyphes_[m];
}
