#include "ui/VuePanelJoueur.h"

#include <QApplication>
#include <QDrag>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "models/PanelDeJoueur.h"
#include "models/DimensionsCarte.h"
#include "ui/ConseilFlottant.h"
#include "ui/ImagesCartes.h"
#include "ui/PlateformeQt.h"
#include "ui/Texte.h"
#include "ui/VueTasCentral.h"

namespace {

const char* const STYLE_BOUTON_ATOUT =
    "QToolButton { background: #f6f1df; border: 1px solid #5d5a4c; border-radius: 3px; padding: 0; }"
    "QToolButton:hover { background: #fffbe8; border-color: #c79a1b; }"
    "QToolButton:checked { background: #f2c43d; border: 1px solid #7a5a00; }"
    "QToolButton:disabled { background: #c9c5b4; color: #77736a; }"
    "QToolButton:checked:disabled { background: #d9b347; }";

// The font size is the table's, filled in at each scale.
const char* const STYLE_BOUTON_ACTION =
    "QPushButton { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fff7d6, stop:1 #e9cf78);"
    " border: 1px solid #7a5a00; border-radius: 5px; font-size: %1px; font-weight: bold; padding: 0; }"
    "QPushButton:hover { background: #fff2b8; }"
    "QPushButton:pressed { background: #d9b347; }"
    "QPushButton:disabled { background: rgba(255,255,255,40); color: rgba(255,255,255,110);"
    " border-color: rgba(255,255,255,60); font-weight: normal; }";

const char* const STYLE_LISTE =
    "QPlainTextEdit { background: rgba(250, 248, 238, 235); color: #1d2a1f; border: 1px solid #0a401c;"
    " border-radius: 4px; padding: 2px; }";

}  // namespace

// ---- ZoneSurlignable ----

void ZoneSurlignable::setSurligne(bool surligne) {
    if (surligne == surligne_) return;
    surligne_ = surligne;
    update();
}

// Highlighted: a warm light with a sunken edge, the waiting area stands out of the felt.
void ZoneSurlignable::paintEvent(QPaintEvent*) {
    if (!surligne_) return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xf2, 0xc4, 0x3d, 220), 2));
    p.setBrush(QColor(0xf2, 0xc4, 0x3d, 70));
    p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 6, 6);
}

// ---- VueZoneCartes ----

// The hand has no tool tip: it would lie over the status line and the table. How to play a
// card is told in the information list while it is empty.
VueZoneCartes::VueZoneCartes(QWidget* parent) : ZoneSurlignable(parent) { setMouseTracking(true); }

void VueZoneCartes::paintEvent(QPaintEvent* event) {
    ZoneSurlignable::paintEvent(event);
    if (!panel_) return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    ImagesCartes& images = ImagesCartes::instance();
    const double f = echelle_.facteur();
    for (const auto& placee : panel_->cartesPlacees()) {
        const QPoint coin = echelle_.point(placee.left, placee.top);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, placee.carte == panel_->carteSelectionnee() ? 90 : 50));
        p.drawRoundedRect(QRectF(QPointF(coin) + QPointF(2 * f, 2 * f), echelle_.carte()), 5 * f, 5 * f);
        p.drawPixmap(coin, placee.faceVisible ? images.face(*placee.carte, f) : images.dos(f));
        if (placee.carte != carteConseillee_) continue;
        // The cards laid after it cover its right part: its left strip stays framed.
        p.setPen(QPen(QColor(0x1e, 0x88, 0xe5), 3 * f));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(coin, echelle_.carte()).adjusted(f, f, -f, -f), 5 * f, 5 * f);
    }
}

void VueZoneCartes::setCarteConseillee(const Carte* carte) {
    if (carte == carteConseillee_) return;
    carteConseillee_ = carte;
    update();
}

void VueZoneCartes::mouseMoveEvent(QMouseEvent* event) {
    if (!panel_) return;
    const QPoint point = event->position().toPoint();
    if (event->buttons() & Qt::LeftButton) {
        if (glisserPossible_ && (point - departGlisser_).manhattanLength() >= QApplication::startDragDistance()) glisse();
        return;
    }
    AppelAuJeu appel;
    const QPoint classique = echelle_.versClassique(point);
    panel_->survole(classique.x(), classique.y());
}

void VueZoneCartes::mousePressEvent(QMouseEvent* event) {
    glisserPossible_ = panel_ && event->button() == Qt::LeftButton && panel_->peutGlisser();
    departGlisser_ = event->position().toPoint();
}

void VueZoneCartes::mouseDoubleClickEvent(QMouseEvent* event) {
    glisserPossible_ = false;
    if (!panel_ || event->button() != Qt::LeftButton) return;
    AppelAuJeu appel;
    panel_->doubleClic();
}

// The raised card follows the pointer; the pile plays it when it is dropped there.
void VueZoneCartes::glisse() {
    glisserPossible_ = false;
    const Carte* carte = panel_->carteSelectionnee();
    if (!carte) return;
    auto* donnees = new QMimeData;
    donnees->setData(QString::fromLatin1(VueTasCentral::TYPE_CARTE_GLISSEE),
                     QByteArray::fromStdString(carte->getIdentifiant()));
    auto* glisser = new QDrag(this);
    glisser->setMimeData(donnees);
    glisser->setPixmap(ImagesCartes::instance().face(*carte, echelle_.facteur()));
    glisser->setHotSpot(echelle_.point(LARGEUR_CARTE / 2, HAUTEUR_CARTE / 3));
    glisser->exec(Qt::MoveAction);
}

// ---- VuePanelJoueur ----

VuePanelJoueur::VuePanelJoueur(QWidget* parent) : QWidget(parent) {
    zoneAtout_ = new ZoneSurlignable(this);
    zoneCartes_ = new VueZoneCartes(this);
    zoneAction_ = new ZoneSurlignable(this);
    boutonAction_ = new QPushButton(zoneAction_);
    boutonAction_->setCursor(Qt::PointingHandCursor);
    // The table keeps the keyboard: the keys play on it whatever was clicked last.
    boutonAction_->setFocusPolicy(Qt::NoFocus);
    conseil_ = new ConseilFlottant(this);
    connect(boutonAction_, &QPushButton::clicked, this, [this] {
        AppelAuJeu appel;
        if (panel_) panel_->cliqueAction();
    });
    labelNom_ = new QLabel(this);
    labelNom_->setAttribute(Qt::WA_TransparentForMouseEvents);
    labelNom_->setStyleSheet(QStringLiteral("color: #fff3c4;"));
    hide();
}

void VuePanelJoueur::lie(PanelDeJoueur* panel) {
    panel_ = panel;
    zoneCartes_->setModele(panel);
    detruitControles();
    if (!panel_) {
        hide();
        return;
    }
    construit();
    appliquePolices();
    panel_->changement = [this] {
        rafraichit();
        emit modeleChange();
    };
    show();
    rafraichit();
}

void VuePanelJoueur::delie() {
    if (panel_) panel_->changement = nullptr;
    lie(nullptr);
}

void VuePanelJoueur::detruitControles() {
    for (QToolButton* bouton : boutonsAtout_) delete bouton;
    boutonsAtout_.clear();
    delete boutonChibre_;
    boutonChibre_ = nullptr;
    // In a network game the information list is a page of the tab widget: freed first, it leaves
    // its tab, so freeing the tab widget does not free it again.
    delete information_;
    information_ = nullptr;
    delete pages_;
    pages_ = nullptr;
    chat_ = nullptr;
    ligneChat_ = nullptr;
    pageChat_ = nullptr;
}

void VuePanelJoueur::construit() {
    for (const auto& bouton : panel_->boutonsAtout()) {
        auto* vue = new QToolButton(zoneAtout_);
        vue->setCheckable(true);
        vue->setStyleSheet(QString::fromLatin1(STYLE_BOUTON_ATOUT));
        vue->setToolTip(qtexte(bouton.conseil));
        vue->setAccessibleName(qtexte(bouton.conseil));
        vue->setCursor(Qt::PointingHandCursor);
        vue->installEventFilter(this);
        vue->setFocusPolicy(Qt::NoFocus);
        const Atout atout = static_cast<Atout>(bouton.tag);
        connect(vue, &QToolButton::clicked, this, [this, atout] {
            AppelAuJeu appel;
            conseil_->hide();
            if (panel_) panel_->cliqueAtout(atout);
            rafraichit();
        });
        boutonsAtout_.push_back(vue);
    }
    boutonChibre_ = new QToolButton(zoneAtout_);
    boutonChibre_->setCheckable(true);
    boutonChibre_->setCursor(Qt::PointingHandCursor);
    boutonChibre_->setFocusPolicy(Qt::NoFocus);
    connect(boutonChibre_, &QToolButton::clicked, this, [this] {
        AppelAuJeu appel;
        if (panel_) panel_->cliqueChibre();
        rafraichit();
    });
    rechargeImages();

    zoneAction_->setVisible(panel_->estComplet());
    if (!panel_->estComplet()) return;
    information_ = new QPlainTextEdit;
    information_->setReadOnly(true);
    information_->setFocusPolicy(Qt::NoFocus);
    if (!panel_->estEnReseau()) {
        information_->setParent(this);
        information_->show();
        return;
    }
    pages_ = new QTabWidget(this);
    pages_->setDocumentMode(true);
    pages_->addTab(information_, qtexte(PanelDeJoueur::legendePageInformation()));
    pageChat_ = new QWidget;
    auto* colonne = new QVBoxLayout(pageChat_);
    colonne->setContentsMargins(0, 0, 0, 0);
    colonne->setSpacing(2);
    chat_ = new QPlainTextEdit;
    chat_->setReadOnly(true);
    chat_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ligneChat_ = new QLineEdit;
    colonne->addWidget(chat_);
    colonne->addWidget(ligneChat_);
    pages_->addTab(pageChat_, qtexte(PanelDeJoueur::legendePageChat()));
    connect(ligneChat_, &QLineEdit::returnPressed, this, [this] {
        AppelAuJeu appel;
        if (panel_ && panel_->envoieChat(depuisQt(ligneChat_->text()))) ligneChat_->clear();
    });
    pages_->show();
}

void VuePanelJoueur::rechargeImages() {
    if (!panel_) return;
    const auto& modeles = panel_->boutonsAtout();
    for (std::size_t i = 0; i < boutonsAtout_.size() && i < modeles.size(); ++i)
        boutonsAtout_[i]->setIcon(QIcon(ImagesCartes::instance().glypheAtout(modeles[i].tag, echelle_.facteur())));
    zoneCartes_->update();
}

void VuePanelJoueur::place(int largeurParent, int hauteurParent, const Echelle& echelle) {
    const bool autreEchelle = !(echelle == echelle_);
    echelle_ = echelle;
    zoneCartes_->setEchelle(echelle);
    if (!panel_) return;
    panel_->place(largeurParent, hauteurParent);
    if (autreEchelle) {
        appliquePolices();
        rechargeImages();
    }
    placeControles();
}

// Fonts grow and shrink with the table.
void VuePanelJoueur::appliquePolices() {
    QFont gras(QStringLiteral("DejaVu Sans"));
    gras.setBold(true);
    gras.setPixelSize(echelle_.police(12));
    labelNom_->setFont(gras);
    boutonAction_->setStyleSheet(QString::fromLatin1(STYLE_BOUTON_ACTION).arg(echelle_.police(11)));
    for (QToolButton* bouton : boutonsAtout_) bouton->setIconSize(echelle_.rect(0, 0, 15, 15).size());
    if (boutonChibre_)
        boutonChibre_->setStyleSheet(QString::fromLatin1(STYLE_BOUTON_ATOUT) +
                                     QStringLiteral("QToolButton { font-size: %1px; font-weight: bold; }")
                                         .arg(echelle_.police(10)));
    // A style sheet of its own sets a widget's font: the size goes into it, or the lists would
    // keep the classic size on a large table.
    QFont liste(QStringLiteral("DejaVu Sans Condensed"));
    liste.setPixelSize(echelle_.police(11));
    const QString style = QString::fromLatin1(STYLE_LISTE) +
                          QStringLiteral("QPlainTextEdit { font-family: 'DejaVu Sans Condensed'; font-size: %1px; }")
                              .arg(echelle_.police(11));
    for (QPlainTextEdit* texte : {information_, chat_})
        if (texte) {
            texte->setFont(liste);
            texte->setStyleSheet(style);
        }
}

void VuePanelJoueur::placeControles() {
    setGeometry(echelle_.rect(panel_->rect()));
    labelNom_->setGeometry(echelle_.rect(panel_->rectNom()));
    labelNom_->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    zoneAtout_->setGeometry(echelle_.rect(panel_->rectZoneAtout()));
    zoneCartes_->setGeometry(echelle_.rect(panel_->rectZoneCartes()));
    const auto& modeles = panel_->boutonsAtout();
    for (std::size_t i = 0; i < boutonsAtout_.size() && i < modeles.size(); ++i)
        boutonsAtout_[i]->setGeometry(echelle_.rect(modeles[i].rect));
    if (boutonChibre_) boutonChibre_->setGeometry(echelle_.rect(panel_->boutonChibre().rect));
    if (!panel_->estComplet()) return;
    zoneAction_->setGeometry(echelle_.rect(panel_->rectZoneAction()));
    boutonAction_->setGeometry(echelle_.rect(panel_->rectBoutonAction()));
    const QRect rectInformation = echelle_.rect(panel_->rectInformation());
    if (pages_)
        pages_->setGeometry(rectInformation);
    else if (information_)
        information_->setGeometry(rectInformation);
    labelNom_->raise();
}

void VuePanelJoueur::montreConseilAtout(QToolButton* bouton) {
    const QRect zone(zoneAtout_->mapToGlobal(QPoint(0, 0)), zoneAtout_->size());
    // Upper panels have their trump area on top, over the hand: the hint goes under the area.
    // Lower panels have it at the bottom of the window: the hint goes above it.
    const bool enDessous = panel_->rectZoneAtout().top == 0;
    const int x = bouton->mapToGlobal(QPoint(0, 0)).x();
    conseil_->montre(bouton->toolTip(), QPoint(x, enDessous ? zone.bottom() + 3 : zone.top() - 3), enDessous);
}

bool VuePanelJoueur::eventFilter(QObject* objet, QEvent* event) {
    auto* bouton = qobject_cast<QToolButton*>(objet);
    if (!bouton || !panel_) return QWidget::eventFilter(objet, event);
    if (event->type() == QEvent::ToolTip) {
        montreConseilAtout(bouton);
        return true;
    }
    if (event->type() == QEvent::Leave || event->type() == QEvent::Hide || event->type() == QEvent::MouseButtonPress)
        conseil_->hide();
    return QWidget::eventFilter(objet, event);
}

// The texts that come from the string table, again after each change of language.
void VuePanelJoueur::traduit() {
    if (information_) information_->setPlaceholderText(qtexte(PanelDeJoueur::conseilZoneCartes()));
    if (boutonChibre_) boutonChibre_->setText(qtexte(panel_->boutonChibre().legende));
}

void VuePanelJoueur::rafraichit() {
    if (!panel_) return;
    labelNom_->setText(qtexte(panel_->nom()));
    traduit();

    zoneAtout_->setVisible(panel_->zoneAtoutVisible());
    if (!panel_->zoneAtoutVisible()) conseil_->hide();
    zoneAtout_->setSurligne(panel_->timerAtout().estSurligne());
    suitBoutonsAtout();

    zoneCartes_->setSurligne(panel_->timerCartes().estSurligne());
    QStringList main;
    for (const auto& placee : panel_->cartesPlacees())
        if (placee.faceVisible) main << qtexte(placee.carte->getNom());
    zoneCartes_->setAccessibleName(qtexte(panel_->nom()) + QStringLiteral(": ") + main.join(QStringLiteral(", ")));
    zoneCartes_->setAccessibleDescription(panel_->carteSelectionnee() ? qtexte(panel_->carteSelectionnee()->getNom())
                                                                      : QString());
    zoneCartes_->setCursor(panel_->zoneCartesActive() && panel_->estComplet() ? Qt::PointingHandCursor
                                                                               : Qt::ArrowCursor);
    zoneCartes_->update();

    if (panel_->estComplet()) {
        zoneAction_->setSurligne(panel_->timerAction().estSurligne());
        boutonAction_->setText(qtexte(panel_->legendeAction()));
        boutonAction_->setEnabled(panel_->boutonActionActif() && panel_->zoneActionActive());
        suitInformation();
    }
    placeControles();
    update();
}

void VuePanelJoueur::suitBoutonsAtout() {
    const auto& modeles = panel_->boutonsAtout();
    const bool zoneActive = panel_->zoneAtoutActive();
    for (std::size_t i = 0; i < boutonsAtout_.size() && i < modeles.size(); ++i) {
        boutonsAtout_[i]->setChecked(modeles[i].enfonce);
        boutonsAtout_[i]->setEnabled(zoneActive && modeles[i].actif);
    }
    const auto& chibre = panel_->boutonChibre();
    boutonChibre_->setChecked(chibre.enfonce);
    boutonChibre_->setEnabled(zoneActive && chibre.actif);
}

void VuePanelJoueur::suitInformation() {
    const auto joint = [](const std::vector<std::string>& lignes) {
        QStringList texte;
        for (const auto& ligne : lignes) texte << qtexte(ligne);
        return texte.join(QLatin1Char('\n'));
    };
    if (information_) {
        const QString texte = joint(panel_->lignesInformation());
        if (information_->toPlainText() != texte) information_->setPlainText(texte);
    }
    if (chat_) {
        const QString texte = joint(panel_->lignesChat());
        if (chat_->toPlainText() != texte) {
            chat_->setPlainText(texte);
            chat_->moveCursor(QTextCursor::End);
        }
    }
}

void VuePanelJoueur::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 255, 255, 30), 1));
    p.setBrush(QColor(0, 0, 0, 38));
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 10, 10);
}
