#include "ui/VueTable.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QRandomGenerator>

#include "players/Joueur.h"
#include "models/PanelDeCartesRamassees.h"
#include "table/Table.h"
#include "ui/PlateformeQt.h"
#include "ui/Texte.h"
#include "ui/VueCartesRamassees.h"
#include "ui/VuePanelJoueur.h"
#include "ui/VueTasCentral.h"

namespace {

constexpr int HAUTEUR_LIGNE = 15;
constexpr int COTE_TRAME = 128;
constexpr int TOP_ETAT = 4;

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

QFont policeDesLignes(const Echelle& echelle) {
    QFont police(QStringLiteral("DejaVu Sans Condensed"));
    police.setPixelSize(echelle.police(12));
    return police;
}

}  // namespace

VueTable::VueTable(QWidget* parent) : QWidget(parent), feutre_(trameDuFeutre()) {
    setAutoFillBackground(false);
    setFocusPolicy(Qt::StrongFocus);
    tas_ = new VueTasCentral(this);
    for (int i = 0; i < NB_HISTORIQUE; ++i) {
        auto* label = new QLabel(this);
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);
        const int alpha = i == 0 ? 255 : 175 - 9 * i;
        label->setStyleSheet(i == 0 ? QStringLiteral("color: #ffffff; font-weight: bold;")
                                    : QStringLiteral("color: rgba(220, 235, 220, %1);").arg(alpha));
        label->setFont(policeDesLignes(echelle_));
        historique_[i] = label;
    }
    labelEtat_ = new QLabel(this);
    labelEtat_->setAlignment(Qt::AlignCenter);
    labelEtat_->setWordWrap(true);
    labelEtat_->setFont(policeDesLignes(echelle_));
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
    labelEtat_->setText(table_ ? qtexte(table_->labelEtat()) : QString());
    for (int i = 0; i < NB_HISTORIQUE; ++i)
        historique_[i]->setText(table_ ? qtexte(table_->labelsHistorique()[i]) : QString());
    placeTextes();
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
        vue->place(classique_.width(), classique_.height(), echelle_);
    }
}

void VueTable::rechargeImages() {
    for (VuePanelJoueur* panel : panels_) panel->rechargeImages();
    tas_->update();
    for (VueCartesRamassees* ramassees : ramassees_) ramassees->update();
}

void VueTable::resizeEvent(QResizeEvent*) { disposition(); }

void VueTable::keyPressEvent(QKeyEvent* event) {
    PanelDeJoueur* panel = nullptr;
    for (VuePanelJoueur* vue : panels_) {
        PanelDeJoueur* modele = vue->modele();
        if (modele && modele->estComplet() &&
            (modele->zoneCartesActive() || modele->boutonActionActif() || modele->atoutAttendu()))
            panel = modele;
    }
    if (!panel) return QWidget::keyPressEvent(event);
    AppelAuJeu appel;
    const int touche = event->key();
    const auto& boutons = panel->boutonsAtout();
    if (touche == Qt::Key_Left || touche == Qt::Key_Right)
        panel->choisitCarteVoisine(touche == Qt::Key_Right ? 1 : -1);
    else if (touche == Qt::Key_Return || touche == Qt::Key_Enter || touche == Qt::Key_Space)
        panel->valideAuClavier();
    else if (touche == Qt::Key_0)
        panel->cliqueChibre();
    else if (touche >= Qt::Key_1 && touche < Qt::Key_1 + static_cast<int>(boutons.size()))
        panel->cliqueAtout(static_cast<Atout>(boutons[touche - Qt::Key_1].tag));
    else
        return QWidget::keyPressEvent(event);
    event->accept();
}

void VueTable::disposition() {
    echelle_ = Echelle::pour(size());
    classique_ = echelle_.classique(size());
    const int w = classique_.width();
    const int h = classique_.height();
    tas_->place(QRect(w / 3, h / 3 - 30, w / 3, h / 3), echelle_);
    for (QLabel* label : historique_) label->setFont(policeDesLignes(echelle_));
    labelEtat_->setFont(policeDesLignes(echelle_));
    for (VuePanelJoueur* panel : panels_) panel->place(w, h, echelle_);
    const int topRamassees = 2 * h / 3 - 30;
    for (VueCartesRamassees* ramassees : ramassees_) ramassees->setEchelle(echelle_);
    ramassees_[1]->move(echelle_.point(w / 3, topRamassees));
    ramassees_[0]->move(echelle_.point(2 * w / 3 - PanelDeCartesRamassees::LARGEUR, topRamassees));
    rafraichit();
}

QRect VueTable::rectColonne() const {
    const int w = classique_.width();
    return echelle_.rect(w / 3, 0, w / 3, classique_.height() / 3 - 30);
}

void VueTable::placeTextes() {
    const QRect colonne = rectColonne();
    const auto hauteurPour = [&](const QLabel* label) {
        if (label->text().isEmpty()) return 0;
        const int texte = label->fontMetrics()
                              .boundingRect(QRect(0, 0, colonne.width(), 10000), Qt::TextWordWrap, label->text())
                              .height();
        return std::max(echelle_.px(HAUTEUR_LIGNE), texte + 1);
    };
    const int hauteurEtat = hauteurPour(labelEtat_);
    labelEtat_->setGeometry(colonne.left(), echelle_.px(TOP_ETAT), colonne.width(), hauteurEtat);
    labelEtat_->setVisible(hauteurEtat > 0);
    const int haut = echelle_.px(TOP_ETAT) + hauteurEtat;
    int bas = colonne.bottom() + 1;
    for (QLabel* label : historique_) {
        const int hauteur = std::max(hauteurPour(label), echelle_.px(HAUTEUR_LIGNE));
        const bool place = bas - hauteur >= haut;
        label->setVisible(place);
        if (!place) {
            bas = haut;
            continue;
        }
        label->setGeometry(colonne.left(), bas - hauteur, colonne.width(), hauteur);
        bas -= hauteur;
    }
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
