#include "ui/VueCartesRamassees.h"

#include <QPainter>

#include "models/PanelDeCartesRamassees.h"
#include "ui/ImagesCartes.h"
#include "ui/Texte.h"

VueCartesRamassees::VueCartesRamassees(QWidget* parent) : QWidget(parent) {
    setFixedSize(PanelDeCartesRamassees::LARGEUR, PanelDeCartesRamassees::HAUTEUR);
}

void VueCartesRamassees::setModele(const PanelDeCartesRamassees* modele) {
    modele_ = modele;
    update();
}

void VueCartesRamassees::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int hauteurLibelles = PanelDeCartesRamassees::HAUTEUR_LIBELLES;
    p.setPen(QPen(QColor(255, 255, 255, 50), 1));
    p.setBrush(QColor(0, 0, 0, 55));
    p.drawRoundedRect(QRectF(0.5, 0.5, width() - 1, hauteurLibelles + 2), 6, 6);
    if (!modele_) return;

    const auto& libelles = modele_->libelles();
    QFont police = font();
    police.setPixelSize(11);
    for (int i = 0; i < PanelDeCartesRamassees::NB_LIBELLES; ++i) {
        const bool nom = i == PanelDeCartesRamassees::Nom1 || i == PanelDeCartesRamassees::Nom2;
        police.setBold(nom);
        p.setFont(police);
        p.setPen(nom ? QColor(0xff, 0xf3, 0xc4) : QColor(0xe8, 0xf2, 0xe8));
        const int alignement = i <= PanelDeCartesRamassees::Vide ? Qt::AlignHCenter : Qt::AlignLeft;
        // The goal and point lines start with blanks that centre them under the names.
        p.drawText(QRect(0, i * PanelDeCartesRamassees::HAUTEUR_LIBELLE, width(), PanelDeCartesRamassees::HAUTEUR_LIBELLE),
                   alignement | Qt::AlignVCenter, qtexte(libelles[i]));
    }
    for (const auto& ramassee : modele_->cartes()) {
        const QPoint coin(ramassee.left, hauteurLibelles + ramassee.top);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 45));
        p.drawRoundedRect(QRectF(coin.x() + 2, coin.y() + 2, 71, 96), 5, 5);
        p.drawPixmap(coin, ImagesCartes::instance().dos());
    }
}
