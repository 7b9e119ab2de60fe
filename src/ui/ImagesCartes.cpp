#include "ui/ImagesCartes.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include "models/DimensionsCarte.h"
#include "ui/Ressources.h"

namespace {

const QSize TAILLE_CARTE(LARGEUR_CARTE, HAUTEUR_CARTE);
constexpr int COTE_GLYPHE = 17;

QString symboleCouleur(int couleur) {
    static const QString symboles[] = {QString(), QStringLiteral("\u2663"), QStringLiteral("\u2666"),
                                       QStringLiteral("\u2660"), QStringLiteral("\u2665")};
    return couleur >= 1 && couleur <= 4 ? symboles[couleur] : QString();
}

QColor couleurEncre(int couleur) {
    return couleur == Carte::Carreau || couleur == Carte::Coeur ? QColor(0xc0, 0x10, 0x20) : QColor(0x15, 0x15, 0x20);
}

QString indexRang(int position) {
    static const char* const rangs[] = {"6", "7", "8", "9", "10", "V", "D", "R", "A"};
    return QString::fromLatin1(rangs[(position - Carte::Six) % 9]);
}

QPainterPath contourCarte() {
    QPainterPath contour;
    contour.addRoundedRect(QRectF(0.5, 0.5, LARGEUR_CARTE - 1, HAUTEUR_CARTE - 1), 5, 5);
    return contour;
}

// The plain face shown while the card pictures are missing: the index in two corners and a
// large pip in the middle.
QPixmap faceDessinee(const Carte& carte) {
    QPixmap image(TAILLE_CARTE);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(QPen(QColor(0x70, 0x70, 0x70), 1));
    p.setBrush(QColor(0xfc, 0xfb, 0xf6));
    p.drawPath(contourCarte());
    const QColor encre = couleurEncre(carte.getCouleur());
    p.setPen(encre);
    // Neighbouring cards of a hand overlap but for a strip of 12 pixels: the index fits in it.
    QFont index(QStringLiteral("DejaVu Sans Condensed"));
    index.setPixelSize(11);
    index.setBold(true);
    index.setLetterSpacing(QFont::AbsoluteSpacing, -0.5);
    p.setFont(index);
    const QString rang = indexRang(carte.getPosition());
    const QString pip = symboleCouleur(carte.getCouleur());
    const QRect coinRang(0, 3, 13, 13);
    const QRect coinPip(0, 15, 13, 13);
    p.drawText(coinRang, Qt::AlignCenter, rang);
    p.drawText(coinPip, Qt::AlignCenter, pip);
    p.save();
    p.translate(LARGEUR_CARTE, HAUTEUR_CARTE);
    p.rotate(180);
    p.drawText(coinRang, Qt::AlignCenter, rang);
    p.drawText(coinPip, Qt::AlignCenter, pip);
    p.restore();
    QFont grand(QStringLiteral("DejaVu Sans"));
    grand.setPixelSize(40);
    p.setFont(grand);
    p.drawText(QRect(0, 0, LARGEUR_CARTE, HAUTEUR_CARTE), Qt::AlignCenter, pip);
    return image;
}

QPixmap dosDessine() {
    QPixmap image(TAILLE_CARTE);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x70, 0x70, 0x70), 1));
    p.setBrush(Qt::white);
    p.drawPath(contourCarte());
    const QRectF interieur(4, 4, LARGEUR_CARTE - 8, HAUTEUR_CARTE - 8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1d, 0x3f, 0x8c));
    p.drawRoundedRect(interieur, 3, 3);
    p.setClipRect(interieur);
    p.setPen(QPen(QColor(0x4a, 0x6f, 0xc4), 1));
    for (int d = -HAUTEUR_CARTE; d < LARGEUR_CARTE + HAUTEUR_CARTE; d += 6) {
        p.drawLine(d, 0, d + HAUTEUR_CARTE, HAUTEUR_CARTE);
        p.drawLine(d, HAUTEUR_CARTE, d + HAUTEUR_CARTE, 0);
    }
    return image;
}

QPixmap glypheDessine(int mode) {
    QPixmap image(COTE_GLYPHE, COTE_GLYPHE);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont police(QStringLiteral("DejaVu Sans"));
    police.setPixelSize(13);
    police.setBold(true);
    p.setFont(police);
    static const QString modes[] = {QString(), QString(), QString(), QString(), QString(), QStringLiteral("\u2193"),
                                    QStringLiteral("\u2191"), QStringLiteral("Z")};
    const bool couleur = mode >= 1 && mode <= 4;
    p.setPen(couleur ? couleurEncre(mode) : QColor(0x20, 0x20, 0x20));
    p.drawText(QRect(0, 0, COTE_GLYPHE, COTE_GLYPHE), Qt::AlignCenter,
               couleur ? symboleCouleur(mode) : modes[mode & 7]);
    return image;
}

}  // namespace

ImagesCartes& ImagesCartes::instance() {
    static ImagesCartes images;
    return images;
}

ImagesCartes::ImagesCartes() = default;

QString ImagesCartes::dossier(StyleCartes style) {
    static const char* const dossiers[] = {"Fra/", "Ger/", "Fun/", "XXX/"};
    const auto valeur = static_cast<unsigned>(style);
    return ressources::dossierCartes() + QLatin1Char('/') +
           (valeur < 4 ? QString::fromLatin1(dossiers[valeur]) : QString());
}

void ImagesCartes::setStyle(StyleCartes style) {
    style_ = style;
    charge_ = false;
}

QPixmap ImagesCartes::lit(const QString& fichier, const std::function<QPixmap()>& remplacement) {
    const QString chemin = dossier(style_) + fichier;
    QImage image;
    if (QFile::exists(chemin) && image.load(chemin)) return QPixmap::fromImage(image);
    trouvees_ = false;
    return remplacement();
}

void ImagesCartes::charge() {
    if (charge_) return;
    charge_ = true;
    trouvees_ = true;
    for (unsigned tag = 0; tag < Carte::NB_CARTES; ++tag) {
        const Carte& carte = Carte::parTag(tag);
        faces_[tag] = lit(QString::fromStdString(carte.getIdentifiant()) + QStringLiteral(".bmp"),
                          [&carte] { return faceDessinee(carte); })
                          .scaled(TAILLE_CARTE, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    dos_ = lit(QStringLiteral("back.bmp"), dosDessine)
               .scaled(TAILLE_CARTE, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    for (int mode = 1; mode <= NB_MODES; ++mode)
        glyphes_[mode] = lit(QString::number(mode) + QStringLiteral("_btn.bmp"), [mode] { return glypheDessine(mode); });
}

const QPixmap& ImagesCartes::face(const Carte& carte) {
    charge();
    return faces_[carte.getTag()];
}

const QPixmap& ImagesCartes::dos() {
    charge();
    return dos_;
}

const QPixmap& ImagesCartes::glypheAtout(int mode) {
    charge();
    return glyphes_[mode >= 1 && mode <= NB_MODES ? mode : 0];
}
