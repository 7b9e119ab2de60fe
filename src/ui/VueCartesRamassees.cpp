#include "ui/VueCartesRamassees.h"

#include <QPainter>

#include "models/DimensionsCarte.h"
#include "models/PanelDeCartesRamassees.h"
#include "ui/ImagesCartes.h"
#include "ui/PoliceAjustee.h"
#include "ui/Texte.h"

namespace {
bool estNom(int libelle) { return libelle == PanelDeCartesRamassees::Nom1 || libelle == PanelDeCartesRamassees::Nom2; }
}  // namespace

VueCartesRamassees::VueCartesRamassees(QWidget* parent) : QWidget(parent) { setEchelle(Echelle()); }

void VueCartesRamassees::setModele(const PanelDeCartesRamassees* modele) {
    modele_ = modele;
    update();
}

void VueCartesRamassees::setEchelle(const Echelle& echelle) {
    echelle_ = echelle;
    setFixedSize(echelle.rect(0, 0, PanelDeCartesRamassees::LARGEUR, PanelDeCartesRamassees::HAUTEUR).size());
    update();
}

QString VueCartesRamassees::ligne(int libelle) const {
    return modele_ ? qtexte(modele_->libelles()[libelle]).trimmed() : QString();
}

QRect VueCartesRamassees::rectLigne(int libelle) const {
    const int h = PanelDeCartesRamassees::HAUTEUR_LIBELLE;
    return echelle_.rect(3, libelle * h, PanelDeCartesRamassees::LARGEUR - 6, h);
}

// A long name, or a long line in German, is drawn a little smaller rather than cut.
QFont VueCartesRamassees::police(int libelle) const {
    QFont police(QStringLiteral("DejaVu Sans Condensed"));
    police.setBold(estNom(libelle));
    return policeAjustee(police, ligne(libelle), rectLigne(libelle).width(), echelle_.police(11));
}

void VueCartesRamassees::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double f = echelle_.facteur();
    const int hauteurLibelles = echelle_.px(PanelDeCartesRamassees::HAUTEUR_LIBELLES);
    p.setPen(QPen(QColor(255, 255, 255, 50), 1));
    p.setBrush(QColor(0, 0, 0, 55));
    p.drawRoundedRect(QRectF(0.5, 0.5, width() - 1, hauteurLibelles + 2 * f), 6 * f, 6 * f);
    if (!modele_) return;

    // The goal and point lines are left-aligned among themselves, their block centred.
    int largeurBloc = 0;
    for (int i = PanelDeCartesRamassees::LigneTour; i < PanelDeCartesRamassees::NB_LIBELLES; ++i)
        largeurBloc = std::max(largeurBloc, QFontMetrics(police(i)).horizontalAdvance(ligne(i)));
    for (int i = 0; i < PanelDeCartesRamassees::NB_LIBELLES; ++i) {
        p.setFont(police(i));
        p.setPen(estNom(i) ? QColor(0xff, 0xf3, 0xc4) : QColor(0xe8, 0xf2, 0xe8));
        const QRect rect = rectLigne(i);
        if (i <= PanelDeCartesRamassees::Vide) {
            p.drawText(rect, Qt::AlignHCenter | Qt::AlignVCenter, ligne(i));
            continue;
        }
        const int marge = std::max(0, (rect.width() - largeurBloc) / 2);
        p.drawText(rect.adjusted(marge, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, ligne(i));
    }
    for (const auto& ramassee : modele_->cartes()) {
        const QPoint coin = echelle_.point(ramassee.left, PanelDeCartesRamassees::HAUTEUR_LIBELLES + ramassee.top);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 45));
        p.drawRoundedRect(QRectF(QPointF(coin) + QPointF(2 * f, 2 * f), echelle_.carte()), 5 * f, 5 * f);
        p.drawPixmap(coin, ImagesCartes::instance().dos(f));
    }
}

void VueCartesRamassees::mousePressEvent(QMouseEvent*) { emit clique(); }
