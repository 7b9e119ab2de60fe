#include "ui/VueMainsDeLaDonne.h"

#include <QPainter>

#include "models/DimensionsCarte.h"
#include "ui/ImagesCartes.h"
#include "ui/PoliceAjustee.h"
#include "ui/Texte.h"

namespace {

// In classic pixels: the rows fit the smallest pile, 264 x 184.
constexpr int MARGE = 6;
constexpr int TOP_TITRE = 3;
constexpr int HAUTEUR_TITRE = 14;
constexpr int TOP_RANGS = TOP_TITRE + HAUTEUR_TITRE + 2;
constexpr int HAUTEUR_NOM = 12;
constexpr int HAUTEUR_CARTE_MAIN = 28;
constexpr int HAUTEUR_RANG = HAUTEUR_NOM + HAUTEUR_CARTE_MAIN + 1;
constexpr int ECART_CARTES_MAIN = 23;
constexpr int ECART_NOM_POINTS = 8;
constexpr int NB_CARTES_MAIN = 9;
constexpr int PREMIERE_LIGNE_DU_COACH = 9;

constexpr int rangDuTexte(int i) { return (i - 1) % 4; }

}  // namespace

VueMainsDeLaDonne::VueMainsDeLaDonne(QWidget* parent) : QWidget(parent) {}

void VueMainsDeLaDonne::montre(const QString& titre, const std::array<Main, 4>& mains, const QStringList& lignesDuCoach) {
    titre_ = titre;
    mains_ = mains;
    lignesDuCoach_ = lignesDuCoach;
    QStringList description = lignesDuCoach;
    for (const Main& main : mains) {
        QStringList cartes;
        for (const Carte& carte : main.cartes) cartes << qtexte(carte.getNom());
        description << main.nom + QStringLiteral(": ") + cartes.join(QStringLiteral(", "));
    }
    setAccessibleName(titre);
    setAccessibleDescription(description.join(QStringLiteral(". ")));
    update();
}

void VueMainsDeLaDonne::place(const QRect& classique, const Echelle& echelle) {
    echelle_ = echelle;
    tailleClassique_ = classique.size();
    setGeometry(echelle.rect(classique.x(), classique.y(), classique.width(), classique.height()));
    update();
}

int VueMainsDeLaDonne::hauteurDuCoach() const {
    return static_cast<int>(lignesDuCoach_.size()) * HAUTEUR_LIGNE_DU_COACH;
}

int VueMainsDeLaDonne::topRangs() const { return TOP_RANGS + hauteurDuCoach(); }

QRect VueMainsDeLaDonne::rectLigneDeNom(int rang) const {
    return echelle_.rect(MARGE, topRangs() + rang * HAUTEUR_RANG, tailleClassique_.width() - 2 * MARGE, HAUTEUR_NOM);
}

QString VueMainsDeLaDonne::texte(int i) const {
    if (i == 0) return titre_;
    if (i >= PREMIERE_LIGNE_DU_COACH) return lignesDuCoach_.value(i - PREMIERE_LIGNE_DU_COACH);
    const Main& main = mains_[rangDuTexte(i)];
    return i <= 4 ? main.nom : main.points;
}

// A team's points stand at the right end of its first name's line, the name takes the rest.
QRect VueMainsDeLaDonne::rectTexte(int i) const {
    if (i == 0) return echelle_.rect(MARGE, TOP_TITRE, tailleClassique_.width() - 2 * MARGE, HAUTEUR_TITRE);
    if (i >= PREMIERE_LIGNE_DU_COACH)
        return echelle_.rect(MARGE, TOP_RANGS + (i - PREMIERE_LIGNE_DU_COACH) * HAUTEUR_LIGNE_DU_COACH,
                             tailleClassique_.width() - 2 * MARGE, HAUTEUR_LIGNE_DU_COACH);
    const QRect ligne = rectLigneDeNom(rangDuTexte(i));
    const QString points = mains_[rangDuTexte(i)].points;
    QFont police(QStringLiteral("DejaVu Sans Condensed"));
    police.setPixelSize(echelle_.police(10));
    const int largeurPoints = points.isEmpty() ? 0 : QFontMetrics(police).horizontalAdvance(points) + 1;
    if (i > 4) return QRect(ligne.right() + 1 - largeurPoints, ligne.top(), largeurPoints, ligne.height());
    const int reserve = largeurPoints == 0 ? 0 : largeurPoints + echelle_.px(ECART_NOM_POINTS);
    return QRect(ligne.left(), ligne.top(), ligne.width() - reserve, ligne.height());
}

QFont VueMainsDeLaDonne::police(int i) const {
    QFont police(QStringLiteral("DejaVu Sans Condensed"));
    police.setBold(i <= 4);
    police.setItalic(i >= PREMIERE_LIGNE_DU_COACH);
    return policeAjustee(police, texte(i), rectTexte(i).width(), echelle_.police(i == 0 ? 11 : 10));
}

QRect VueMainsDeLaDonne::rectCarte(int rang, int indice) const {
    const int largeurCarte = HAUTEUR_CARTE_MAIN * LARGEUR_CARTE / HAUTEUR_CARTE;
    const int largeurMain = ECART_CARTES_MAIN * (NB_CARTES_MAIN - 1) + largeurCarte;
    const int gauche = (tailleClassique_.width() - largeurMain) / 2 + ECART_CARTES_MAIN * indice;
    const int top = topRangs() + rang * HAUTEUR_RANG + HAUTEUR_NOM;
    return echelle_.rect(gauche, top, largeurCarte, HAUTEUR_CARTE_MAIN);
}

void VueMainsDeLaDonne::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const double f = echelle_.facteur();
    p.setPen(QPen(QColor(0x0a, 0x40, 0x1c), 2));
    p.setBrush(QColor(0x0c, 0x4a, 0x22, 235));
    p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 10 * f, 10 * f);

    const auto ecrit = [&](int i, Qt::Alignment alignement, const QColor& couleur) {
        p.setFont(police(i));
        p.setPen(couleur);
        p.drawText(rectTexte(i), alignement | Qt::AlignVCenter, texte(i));
    };
    ecrit(0, Qt::AlignHCenter, QColor(0xff, 0xe6, 0x80));
    // A thin rule between the two teams.
    const int entreEquipes = echelle_.px(topRangs() + 2 * HAUTEUR_RANG) - 1;
    p.setPen(QPen(QColor(255, 255, 255, 60), 1));
    p.drawLine(QPointF(echelle_.px(MARGE), entreEquipes), QPointF(width() - echelle_.px(MARGE), entreEquipes));

    for (int i = PREMIERE_LIGNE_DU_COACH; i < nbTextes(); ++i) ecrit(i, Qt::AlignLeft, QColor(0xdc, 0xeb, 0xdc));
    for (int rang = 0; rang < 4; ++rang) {
        ecrit(1 + rang, Qt::AlignLeft, QColor(0xf4, 0xf4, 0xec));
        if (!mains_[rang].points.isEmpty()) ecrit(5 + rang, Qt::AlignRight, QColor(0xff, 0xe6, 0x80));
        int indice = 0;
        for (const Carte& carte : mains_[rang].cartes) {
            if (indice >= NB_CARTES_MAIN) break;
            // The picture of the table's scale, made smaller: the pictures keep one scale drawn.
            p.drawPixmap(rectCarte(rang, indice++), ImagesCartes::instance().face(carte, f));
        }
    }
}
