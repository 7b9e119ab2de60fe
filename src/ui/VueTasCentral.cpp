#include "ui/VueTasCentral.h"

#include <QDragEnterEvent>
#include <QMimeData>
#include <QPainter>
#include <algorithm>

#include "models/DimensionsCarte.h"
#include "models/TasCentral.h"
#include "ui/ImagesCartes.h"
#include "ui/PlateformeQt.h"
#include "ui/PoliceAjustee.h"
#include "ui/Texte.h"
#include "rules/Siege.h"

const char* const VueTasCentral::TYPE_CARTE_GLISSEE = "application/x-trumpwise-carte";

namespace {
constexpr int RAYON = 10;

std::array<const Carte*, 4> cartesDuTas(const TasCentral* tas) {
    std::array<const Carte*, 4> cartes{};
    for (int siege = 0; tas && siege < 4; ++siege) cartes[siege] = tas->carteDe(siege);
    return cartes;
}

// The hint line ("La plus basse prend.") and its margins; the cards lie below it.
constexpr int HAUTEUR_BANDEAU = 18;
}

VueTasCentral::VueTasCentral(QWidget* parent) : QWidget(parent) {
    setAcceptDrops(true);
    setMouseTracking(true);
    finPli_.setSingleShot(true);
    connect(&finPli_, &QTimer::timeout, this, &VueTasCentral::cachePli);
}

void VueTasCentral::setModele(TasCentral* tas) {
    cachePli();
    tas_ = tas;
    ordre_.clear();
    rafraichit();
}

void VueTasCentral::rafraichit() {
    if (pli_ && cartesDuTas(tas_) != cartesSousLePli_) cachePli();
    std::erase_if(ordre_, [this](int siege) { return !tas_ || !tas_->carteDe(siege); });
    for (int siege = 0; tas_ && siege < 4; ++siege)
        if (tas_->carteDe(siege) && std::find(ordre_.begin(), ordre_.end(), siege) == ordre_.end())
            ordre_.push_back(siege);
    update();
}

void VueTasCentral::place(const QRect& classique, const Echelle& echelle) {
    echelle_ = echelle;
    tailleClassique_ = classique.size();
    setGeometry(echelle.rect(classique.x(), classique.y(), classique.width(), classique.height()));
    update();
}

QPoint VueTasCentral::coinDeCarte(int noJoueur) const {
    const QPoint coin = placeSurTas(noJoueur, tailleClassique_.width(), tailleClassique_.height() - HAUTEUR_BANDEAU);
    return echelle_.point(coin.x(), coin.y() + HAUTEUR_BANDEAU);
}

QRect VueTasCentral::rectLabelAtout() const {
    return echelle_.rect(9, 3, tailleClassique_.width() - 18, HAUTEUR_BANDEAU - 4);
}

QFont VueTasCentral::policeLabelAtout() const {
    QFont italique(QStringLiteral("DejaVu Sans"));
    italique.setItalic(true);
    return policeAjustee(italique, texteBandeau(), rectLabelAtout().width(), echelle_.police(12));
}

QString VueTasCentral::texteBandeau() const {
    if (pli_) return legendePli_;
    return tas_ ? qtexte(tas_->labelAtout()) : QString();
}

void VueTasCentral::montrePli(const HistoriqueDesDonnes::Pli& pli, const QString& legende) {
    pli_ = pli;
    legendePli_ = legende;
    cartesSousLePli_ = cartesDuTas(tas_);
    finPli_.start(DUREE_PLI_MONTRE_MS);
    update();
}

void VueTasCentral::cachePli() {
    finPli_.stop();
    if (!pli_) return;
    pli_.reset();
    update();
    emit pliCache();
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
    if (pli_) return nullptr;
    for (auto it = ordre_.rbegin(); it != ordre_.rend(); ++it) {
        const QRect rect(coinDeCarte(*it), echelle_.carte());
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
    const double f = echelle_.facteur();
    p.drawRoundedRect(cadre, RAYON * f, RAYON * f);
    p.setPen(QPen(QColor(255, 255, 255, 40), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(cadre.adjusted(4 * f, 4 * f, -4 * f, -4 * f), (RAYON - 3) * f, (RAYON - 3) * f);
    if (!tas_) return;

    p.setFont(policeLabelAtout());
    p.setPen(QColor(0xf4, 0xe9, 0xb8));
    p.drawText(rectLabelAtout(), Qt::AlignRight | Qt::AlignVCenter, texteBandeau());

    const auto dessine = [&](int siege, const Carte& carte) {
        const QPoint coin = coinDeCarte(siege);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 60));
        p.drawRoundedRect(QRectF(QPointF(coin) + QPointF(2 * f, 3 * f), echelle_.carte()), 5 * f, 5 * f);
        p.drawPixmap(coin, ImagesCartes::instance().face(carte, f));
    };
    if (!pli_) {
        for (const int siege : ordre_)
            if (const Carte* carte = tas_->carteDe(siege)) dessine(siege, *carte);
        return;
    }
    // In the order they were played, from the seat that led.
    for (int k = 0; k < 4; ++k) {
        const int siege = (pli_->premier + k) % 4;
        if (const Carte* carte = pli_->cartes[siege]) dessine(siege, *carte);
    }
    if (pli_->gagnant < 0) return;
    p.setPen(QPen(QColor(0xff, 0xd7, 0x40), 2.5 * f));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(coinDeCarte(pli_->gagnant), echelle_.carte()).adjusted(-f, -f, f, f), 5 * f, 5 * f);
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
