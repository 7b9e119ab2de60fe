#include "ui/VueTable.h"

#include <QLabel>
#include <QPainter>
#include <QRandomGenerator>

#include "players/Joueur.h"
#include "models/PanelDeCartesRamassees.h"
#include "table/Table.h"
#include "ui/Texte.h"
#include "ui/VueCartesRamassees.h"
#include "ui/VuePanelJoueur.h"
#include "ui/VueTasCentral.h"

namespace {

constexpr int HAUTEUR_LIGNE = 15;
constexpr int COTE_TRAME = 128;

// A fine grain laid over the green, so the table reads as cloth rather than as a flat colour.
QPixmap trameDuFeutre() {
    QImage trame(COTE_TRAME, COTE_TRAME, QImage::Format_ARGB32_Premultiplied);
    QRandomGenerator graine(1953);
    for (int y = 0; y < COTE_TRAME; ++y)
        for (int x = 0; x < COTE_TRAME; ++x) {
            const int alpha = static_cast<int>(graine.bounded(18));
            const bool clair = graine.bounded(2) == 0;
            trame.setPixelColor(x, y, clair ? QColor(255, 255, 255, alpha) : QColor(0, 0, 0, alpha));
        }
    return QPixmap::fromImage(trame);
}

// The lines are as wide as the pile; a longer text ends in an ellipsis and shows whole as a hint.
void montreTexte(QLabel* label, const QString& texte) {
    const QString court = label->fontMetrics().elidedText(texte, Qt::ElideRight, label->width());
    label->setText(court);
    label->setToolTip(court == texte ? QString() : texte);
}

}  // namespace

VueTable::VueTable(QWidget* parent) : QWidget(parent), feutre_(trameDuFeutre()) {
    setAutoFillBackground(false);
    tas_ = new VueTasCentral(this);
    for (int i = 0; i < NB_HISTORIQUE; ++i) {
        auto* label = new QLabel(this);
        label->setAlignment(Qt::AlignCenter);
        const int alpha = i == 0 ? 255 : 175 - 9 * i;
        label->setStyleSheet(i == 0 ? QStringLiteral("color: #ffffff; font-weight: bold;")
                                    : QStringLiteral("color: rgba(220, 235, 220, %1);").arg(alpha));
        QFont police(QStringLiteral("DejaVu Sans Condensed"));
        police.setPixelSize(12);
        label->setFont(police);
        historique_[i] = label;
    }
    labelEtat_ = new QLabel(this);
    labelEtat_->setAlignment(Qt::AlignCenter);
    labelEtat_->setFont(historique_[0]->font());
    labelEtat_->setStyleSheet(QStringLiteral("color: #ffe680; font-weight: bold;"));
    for (auto& panel : panels_) panel = new VuePanelJoueur(this);
    for (auto& ramassees : ramassees_) {
        ramassees = new VueCartesRamassees(this);
        ramassees->hide();
    }
    tas_->hide();
}

VueTable::~VueTable() { setTable(nullptr); }

void VueTable::setTable(Table* table) {
    if (table_) {
        table_->changement = nullptr;
        table_->tasCentral().changement = nullptr;
        for (VuePanelJoueur* panel : panels_) panel->delie();
    }
    table_ = table;
    tas_->setModele(table ? &table->tasCentral() : nullptr);
    for (int equipe = 0; equipe < 2; ++equipe) {
        ramassees_[equipe]->setModele(table ? &table->panelRamassees(equipe) : nullptr);
        ramassees_[equipe]->setVisible(table != nullptr);
    }
    tas_->setVisible(table != nullptr);
    if (table_) {
        table_->changement = [this] { rafraichit(); };
        // The trick's cards leave the pile for a score box, and the scores change with them.
        table_->tasCentral().changement = [this] {
            tas_->rafraichit();
            for (VueCartesRamassees* ramassees : ramassees_) ramassees->update();
        };
    }
    rafraichit();
}

void VueTable::rafraichit() {
    suitPanels();
    montreTexte(labelEtat_, table_ ? qtexte(table_->labelEtat()) : QString());
    // The status line lies over the oldest line of the history.
    historique_[NB_HISTORIQUE - 1]->setVisible(labelEtat_->text().isEmpty());
    for (int i = 0; i < NB_HISTORIQUE; ++i)
        montreTexte(historique_[i], table_ ? qtexte(table_->labelsHistorique()[i]) : QString());
    tas_->rafraichit();
    for (VueCartesRamassees* ramassees : ramassees_) ramassees->update();
}

// Players come and go with the registrations and the starts of the table: a panel is followed
// again when its seat holds another one, or one that nobody follows yet.
void VueTable::suitPanels() {
    for (int siege = 0; siege < 4; ++siege) {
        Joueur* joueur = table_ ? table_->getJoueur(siege) : nullptr;
        PanelDeJoueur* panel = joueur ? &joueur->panel() : nullptr;
        VuePanelJoueur* vue = panels_[siege];
        if (panel == vue->modele() && (!panel || panel->changement)) continue;
        vue->lie(panel);
        vue->place(width(), height());
    }
}

void VueTable::rechargeImages() {
    for (VuePanelJoueur* panel : panels_) panel->rechargeImages();
    tas_->update();
    for (VueCartesRamassees* ramassees : ramassees_) ramassees->update();
}

void VueTable::resizeEvent(QResizeEvent*) { disposition(); }

void VueTable::disposition() {
    const int w = width();
    const int h = height();
    const int topTas = h / 3 - 30;
    tas_->setGeometry(w / 3, topTas, w / 3, h / 3);
    labelEtat_->setGeometry(w / 3, topTas - 150, w / 3, HAUTEUR_LIGNE);
    for (int i = 0; i < NB_HISTORIQUE; ++i)
        historique_[i]->setGeometry(w / 3, topTas - HAUTEUR_LIGNE * i - HAUTEUR_LIGNE, w / 3, HAUTEUR_LIGNE);
    labelEtat_->raise();
    for (VuePanelJoueur* panel : panels_) panel->place(w, h);
    rafraichit();
    const int topRamassees = 2 * h / 3 - 30;
    ramassees_[1]->move(w / 3, topRamassees);
    ramassees_[0]->move(2 * w / 3 - PanelDeCartesRamassees::LARGEUR, topRamassees);
}

void VueTable::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QRadialGradient lumiere(QPointF(width() / 2.0, height() / 2.5), std::max(width(), height()) * 0.75);
    lumiere.setColorAt(0, QColor(0x17, 0x7a, 0x3a));
    lumiere.setColorAt(0.6, QColor(0x0f, 0x5e, 0x2c));
    lumiere.setColorAt(1, QColor(0x08, 0x3b, 0x1b));
    p.fillRect(rect(), lumiere);
    p.drawTiledPixmap(rect(), feutre_);
}
