#include "ui/TFormDPClientConnect.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "net/qt/ChercheurDeSessions.h"
#include "net/qt/SessionEnet.h"
#include "platform/TableDesTextes.h"
#include "ui/Texte.h"

namespace {
constexpr int ID_TITRE = 3712;
constexpr int ID_OK = 3713;
constexpr int ID_ANNULER = 3714;
constexpr int ID_SANS_NOM = 3715;
constexpr int ID_RECHERCHE = 3717;
constexpr int ID_CONNEXION = 3718;
constexpr int ID_AUCUNE = 3719;
constexpr int RESULTAT_ANNULE = 2;
}  // namespace

TFormDPClientConnect::TFormDPClientConnect(SessionEnet& session, ChercheurDeSessions& chercheur, QWidget* parent)
    : QDialog(parent),
      ListBoxServers(new QListWidget(this)),
      LabelProgression(new QLabel(this)),
      BarreProgression(new QProgressBar(this)),
      ButtonOk(new QPushButton(qtexte(ID_OK), this)),
      ButtonCancel(new QPushButton(qtexte(ID_ANNULER), this)),
      session_(session),
      chercheur_(chercheur) {
    setWindowTitle(qtexte(ID_TITRE));
    BarreProgression->setTextVisible(false);
    ButtonOk->setDefault(true);
    connect(ButtonOk, &QPushButton::clicked, this, &TFormDPClientConnect::choisit);
    connect(ListBoxServers, &QListWidget::itemDoubleClicked, this, &TFormDPClientConnect::choisit);
    connect(ButtonCancel, &QPushButton::clicked, this, [this] { done(RESULTAT_ANNULE); });
    connect(&chercheur_, &ChercheurDeSessions::tentative, this, [this](int numero) {
        LabelProgression->setText(qtexte(formate(ID_RECHERCHE, numero, ChercheurDeSessions::NB_TENTATIVES)));
        BarreProgression->setValue(numero);
    });
    connect(&chercheur_, &ChercheurDeSessions::sessionTrouvee, this, &TFormDPClientConnect::afficheSessions);
    connect(&chercheur_, &ChercheurDeSessions::termine, this, [this] {
        afficheSessions();
        LabelProgression->setText(chercheur_.sessions().estVide() ? qtexte(ID_AUCUNE) : QString());
    });
    connect(&session_, &SessionEnet::arrivee, this, [this] {
        if (!isVisible() || joint_) return;
        joint_ = true;
        accept();
    });
    connect(&session_, &SessionEnet::echecDeConnexion, this, &TFormDPClientConnect::echoue);

    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(ButtonOk);
    boutons->addWidget(ButtonCancel);
    auto* disposition = new QVBoxLayout(this);
    disposition->addWidget(ListBoxServers);
    disposition->addWidget(LabelProgression);
    disposition->addWidget(BarreProgression);
    disposition->addLayout(boutons);
    resize(420, 300);
}

int TFormDPClientConnect::cherche() {
    joint_ = false;
    siEchec_ = erreurDeSession::CONNEXION;
    if (!relanceLaRecherche()) {
        erreurDeSession::signale(erreurDeSession::RECHERCHE);
        return 0;
    }
    return exec();
}

bool TFormDPClientConnect::relanceLaRecherche() {
    ListBoxServers->clear();
    ListBoxServers->setEnabled(true);
    ButtonOk->setEnabled(true);
    BarreProgression->setRange(0, ChercheurDeSessions::NB_TENTATIVES);
    BarreProgression->setValue(0);
    return chercheur_.cherche();
}

int TFormDPClientConnect::rejoint(const SessionTrouvee& session, erreurDeSession::Texte siEchec) {
    joint_ = false;
    siEchec_ = siEchec;
    ListeDesSessions seule;
    seule.ajoute(session);
    ListBoxServers->clear();
    ListBoxServers->addItem(qtexte(seule.lignes(texte(ID_SANS_NOM)).front()));
    if (!commenceAJoindre(session)) {
        erreurDeSession::signale(siEchec_);
        return 0;
    }
    return exec();
}

void TFormDPClientConnect::afficheSessions() {
    const int selection = ListBoxServers->currentRow();
    ListBoxServers->clear();
    for (const std::string& ligne : chercheur_.sessions().lignes(texte(ID_SANS_NOM))) ListBoxServers->addItem(qtexte(ligne));
    if (selection >= 0 && selection < ListBoxServers->count()) ListBoxServers->setCurrentRow(selection);
}

void TFormDPClientConnect::choisit() {
    // Nothing found yet (a host still choosing its game's options is not announced): "&Ok" asks
    // the network again.
    if (chercheur_.sessions().estVide()) {
        if (!relanceLaRecherche()) erreurDeSession::signale(erreurDeSession::RECHERCHE);
        return;
    }
    const auto selection = ListBoxServers->selectedItems();
    const int ligne = selection.isEmpty() ? -1 : ListBoxServers->row(selection.front());
    const SessionTrouvee* choisie = chercheur_.sessions().choisie(ligne);
    if (!choisie || !commenceAJoindre(*choisie)) {
        erreurDeSession::signale(siEchec_);
    }
}

bool TFormDPClientConnect::commenceAJoindre(const SessionTrouvee& session) {
    chercheur_.arrete();
    if (!session_.rejoint(session.hote, session.port)) return false;
    choisie_ = session;
    ListBoxServers->setEnabled(false);
    ButtonOk->setEnabled(false);
    const std::string nom = session.nom.empty() ? texte(ID_SANS_NOM) : session.nom;
    LabelProgression->setText(qtexte(formate(ID_CONNEXION, nom)));
    BarreProgression->setRange(0, 0);
    return true;
}

// A host that does not answer: the window closes without a session.
void TFormDPClientConnect::echoue() {
    if (!isVisible()) return;
    session_.ferme();
    erreurDeSession::signale(siEchec_);
    reject();
}
