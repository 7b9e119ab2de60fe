#include "ui/VueTasCentral.h"

#include <QDragEnterEvent>
#include <QMimeData>
#include <QPainter>
#include <algorithm>

#include "models/DimensionsCarte.h"
#include "models/TasCentral.h"
#include "ui/ImagesCartes.h"
#include "ui/PlateformeQt.h"
#include "ui/Texte.h"
#include "rules/Siege.h"

const char* const VueTasCentral::TYPE_CARTE_GLISSEE = "application/x-trumpwise-carte";

namespace {
constexpr int RAYON = 10;
}

VueTasCentral::VueTasCentral(QWidget* parent) : QWidget(parent) {
    setAcceptDrops(true);
    setMouseTracking(true);
}

void VueTasCentral::setModele(TasCentral* tas) {
    tas_ = tas;
    ordre_.clear();
    rafraichit();
}

void VueTasCentral::rafraichit() {
    std::erase_if(ordre_, [this](int siege) { return !tas_ || !tas_->carteDe(siege); });
    for (int siege = 0; tas_ && siege < 4; ++siege)
        if (tas_->carteDe(siege) && std::find(ordre_.begin(), ordre_.end(), siege) == ordre_.end())
            ordre_.push_back(siege);
    update();
}

QPoint VueTasCentral::placeSurTas(int noJoueur, int largeur, int hauteur) {
    const int cx = largeur - largeur / 2;
    const int cy = hauteur - hauteur / 2;
    const int w = LARGEUR_CARTE;
    const int h = HAUTEUR_CARTE;
    switch (siege::verifie(noJoueur)) {
        case 0: return {cx - 4 * (w / 5), cy - 5 * (h / 6)};
        case 1: return {cx - w, cy - 2 * (h / 6)};
        case 2: return {cx - w / 5, cy - h / 6};
        default: return {cx, cy - 4 * (h / 6)};
    }
}

const Carte* VueTasCentral::carteSous(QPoint point) const {
    for (auto it = ordre_.rbegin(); it != ordre_.rend(); ++it) {
        const QRect rect(placeSurTas(*it, width(), height()), QSize(LARGEUR_CARTE, HAUTEUR_CARTE));
        if (rect.contains(point)) return tas_->carteDe(*it);
    }
    return nullptr;
}

void VueTasCentral::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF cadre = QRectF(rect()).adjusted(1, 1, -1, -1);
    QRadialGradient feutre(cadre.center(), cadre.width() * 0.7);
    feutre.setColorAt(0, QColor(0x1f, 0x8f, 0x45));
    feutre.setColorAt(1, QColor(0x13, 0x6b, 0x31));
    p.setPen(QPen(QColor(0x0a, 0x40, 0x1c), 2));
    p.setBrush(feutre);
    p.drawRoundedRect(cadre, RAYON, RAYON);
    p.setPen(QPen(QColor(255, 255, 255, 40), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(cadre.adjusted(4, 4, -4, -4), RAYON - 3, RAYON - 3);
    if (!tas_) return;

    QFont italique = font();
    italique.setItalic(true);
    p.setFont(italique);
    p.setPen(QColor(0xf4, 0xe9, 0xb8));
    p.drawText(QRect(3 + 6, 3 + 3, width() - 6 - 12, 15), Qt::AlignRight | Qt::AlignVCenter, qtexte(tas_->labelAtout()));

    for (const int siege : ordre_) {
        const Carte* carte = tas_->carteDe(siege);
        if (!carte) continue;
        const QPoint coin = placeSurTas(siege, width(), height());
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 60));
        p.drawRoundedRect(QRectF(coin.x() + 2, coin.y() + 3, LARGEUR_CARTE, HAUTEUR_CARTE), 5, 5);
        p.drawPixmap(coin, ImagesCartes::instance().face(*carte));
    }
}

void VueTasCentral::mouseMoveEvent(QMouseEvent* event) {
    if (!tas_) return;
    AppelAuJeu appel;
    tas_->survole(carteSous(event->position().toPoint()));
}

void VueTasCentral::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasFormat(QString::fromLatin1(TYPE_CARTE_GLISSEE))) event->acceptProposedAction();
}

void VueTasCentral::dragMoveEvent(QDragMoveEvent* event) {
    if (event->mimeData()->hasFormat(QString::fromLatin1(TYPE_CARTE_GLISSEE))) event->acceptProposedAction();
}

void VueTasCentral::dropEvent(QDropEvent* event) {
    if (!tas_ || !event->mimeData()->hasFormat(QString::fromLatin1(TYPE_CARTE_GLISSEE))) return;
    event->acceptProposedAction();
    AppelAuJeu appel;
    tas_->lache();
}
