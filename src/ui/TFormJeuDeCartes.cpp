#include "ui/TFormJeuDeCartes.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <cstdlib>

#include "platform/Assertion.h"
#include "platform/Exception.h"
#include "platform/Plateforme.h"
#include "platform/TableDesTextes.h"
#include "net/CompositionDesEquipes.h"
#include "net/FenetresReseau.h"
#include "net/qt/ClientSocket.h"
#include "net/qt/DPClient.h"
#include "net/qt/DPServer.h"
#include "net/qt/ServerSocket.h"
#include "ui/DPConnect.h"
#include "ui/Echelle.h"
#include "ui/Icone.h"
#include "ui/Langue.h"
#include "ui/PlateformeQt.h"
#include "ui/TFormAPropos.h"
#include "ui/TFormClient.h"
#include "ui/TFormServer.h"
#include "ui/TFormEventsTable.h"
#include "ui/TFormFeuilleDeMarque.h"
#include "ui/TFormOptionsDePartie.h"
#include "ui/TFormOptionsDuJoueur.h"
#include "ui/TFormStatistiques.h"
#include "players/SiegesDePartieLocale.h"
#include "table/RepriseDePartie.h"
#include "ui/Texte.h"
#include "ui/VueTable.h"

namespace {

constexpr int LARGEUR_CLIENT = 792;
constexpr int HAUTEUR_CLIENT = 554;

// The main window's texts in the string table.
enum IdTexte {
    ID_TITRE_VERSION = 2,
    ID_CODE_CARTES = 5,
    ID_USAGE = 3589,
    ID_DIRECTPLAY_ECHOUE = 3590,
    ID_FICHIER_ILLISIBLE = 3601,
    ID_PARTIE_PERDUE = 3648,
    ID_TITRE_PARTIE_PERDUE = 3649,
    ID_ATTENDRE_JOUEURS = 3650,
    ID_TITRE_ATTENDRE = 3651,
    ID_MENU_FICHIERS = 4352,
    ID_NOUVELLE_PARTIE,
    ID_OUVRIR,
    ID_SAUVER,
    ID_SAUVER_SOUS,
    ID_QUITTER,
    ID_MENU_CONNECTION,
    ID_HEBERGER,
    ID_JOINDRE,
    ID_DECONNECTER,
    ID_MENU_OPTIONS,
    ID_STYLE_CARTES,
    ID_FRANCAISES,
    ID_SUISSE_ALLEMANDES,
    ID_A_PROPOS,
    ID_STATISTIQUES,
    ID_JOUEUR,
    ID_FILTRE_PARTIES,
    ID_TITRE_ERREUR = 3809,
    ID_MENU_AFFICHAGE = 3950,
    ID_DERNIER_PLI,
    ID_FEUILLE_DE_MARQUE,
    ID_CONFIRMATION_AUTOMATIQUE,
    ID_STATISTIQUES_ENDOMMAGEES = 3964,
    ID_CONSEILS_DU_MAITRE = 3979,
};

// The user's choices kept between runs, beside the language.
const char* const CLE_CONFIRMATION_AUTOMATIQUE = "ConfirmationAutomatique";
const char* const CLE_CONSEILS_DU_MAITRE = "ConseilsDuMaitre";

QSettings reglages() { return QSettings(QStringLiteral("Trumpwise"), QStringLiteral("Trumpwise")); }

struct ItemDeMenu {
    const char* nom;
    int idTexte;
};

const ItemDeMenu ITEMS[] = {
    {"Nouvellepartie1", ID_NOUVELLE_PARTIE},   {"Ouvrir1", ID_OUVRIR},
    {"Sauvegarder1", ID_SAUVER},               {"Sauversous1", ID_SAUVER_SOUS},
    {"Quitter1", ID_QUITTER},                  {"Hbergerunepartie1", ID_HEBERGER},
    {"Joindreunepartieclient1", ID_JOINDRE},   {"Dconnecter1", ID_DECONNECTER},
    {"Francaises1", ID_FRANCAISES},            {"SuisseAllemandes1", ID_SUISSE_ALLEMANDES},
    {"Apropos1", ID_A_PROPOS},                 {"Scores1", ID_STATISTIQUES},
    {"JoueurNometnivau1", ID_JOUEUR},          {"DernierPli1", ID_DERNIER_PLI},
    {"FeuilleDeMarque1", ID_FEUILLE_DE_MARQUE}, {"ConfirmationAutomatique1", ID_CONFIRMATION_AUTOMATIQUE},
    {"ConseilsDuMaitre1", ID_CONSEILS_DU_MAITRE},
};

std::string nomDeFichierNatif(const QString& nom) { return QFile::encodeName(nom).toStdString(); }

}  // namespace

// Each table sees the window through its own link, cut when the table is dropped: a dropped
// table whose call is still running stops consuming and asking at once.
class TFormJeuDeCartes::LienFenetre : public FenetreDeJeu {
public:
    explicit LienFenetre(const TFormJeuDeCartes& fenetre) : fenetre_(fenetre) {}
    bool estVisible() const override { return actif_ && fenetre_.estVisible(); }
    void coupe() { actif_ = false; }

private:
    const TFormJeuDeCartes& fenetre_;
    bool actif_ = true;
};

// The network ends reach the windows through the main window: the user's record for the player
// options, the server window, the progress window and the menus.
class TFormJeuDeCartes::FenetresDuReseau : public FenetresReseau {
public:
    explicit FenetresDuReseau(TFormJeuDeCartes& fenetre) : fenetre_(fenetre) {}
    int optionsDuJoueur(OptionsDuJoueur& options) override {
        const auto& dialogue = fenetre_.dialogues_.optionsDuJoueur;
        const int resultat = dialogue ? dialogue(fenetre_.optionsUtilisateur_) : 1;
        options = fenetre_.optionsUtilisateur_;
        return resultat;
    }
    int composeEquipes(CompositionDesEquipes& composition) override {
        return fenetre_.dialogues_.composeEquipes ? fenetre_.dialogues_.composeEquipes(composition) : 2;
    }
    void montreProgression(bool montre) override {
        if (!fenetre_.progression_) fenetre_.progression_ = new TFormtClientDurantConnection(&fenetre_);
        fenetre_.progression_->setVisible(montre);
    }
    void menusLocaux() override { fenetre_.menusLocaux(); }

private:
    TFormJeuDeCartes& fenetre_;
};

TFormJeuDeCartes::TFormJeuDeCartes(QStringList arguments, QWidget* parent)
    : QMainWindow(parent), arguments_(std::move(arguments)), fenetresReseau_(std::make_unique<FenetresDuReseau>(*this)) {
    setWindowTitle(QStringLiteral("Trumpwise"));
    setWindowIcon(iconeDuProgramme());
    vueTable_ = new VueTable(this);
    vueTable_->setMinimumSize(Echelle::TAILLE_MINIMUM);
    setCentralWidget(vueTable_);
    vueTable_->setFocus();
    creeMenus();
    traduit();
    resize(LARGEUR_CLIENT, HAUTEUR_CLIENT + menuBar()->sizeHint().height());
    if (const QScreen* ecran = screen()) move(ecran->availableGeometry().center() - rect().center());

    dialogues_.optionsDePartie = [this](OptionsDePartie& options) { options = TFormOptionsDePartie::choisit(this, options); };
    dialogues_.optionsDuJoueur = [this](OptionsDuJoueur& options) {
        // One dialog for the session: a name once typed is offered again.
        if (!optionsDuJoueur_) optionsDuJoueur_ = new TFormOptionsDuJoueur(this);
        return optionsDuJoueur_->edite(options);
    };
    dialogues_.composeEquipes = [this](CompositionDesEquipes& composition) {
        return TFormServer(composition, this).exec();
    };
    dialogues_.adresseDuServeur = [this] {
        TFormClient client(this);
        return client.exec() == 1 ? client.EditIpNumber->text() : QString();
    };
    dialogues_.statistiques = [this](Statistiques& statistiques) { TFormStatistiques(statistiques, this).exec(); };
    dialogues_.feuilleDeMarque = [this](const std::vector<LigneDeMarque>& lignes,
                                        const std::array<std::string, 2>& equipes) {
        TFormFeuilleDeMarque(lignes, equipes, this).exec();
    };
    dialogues_.aPropos = [this] { TFormAbout(this).exec(); };
    dialogues_.evenements = [this](ListeDesEvenements& liste, bool montre) {
        if (!evenements_) evenements_ = new TFormEventsTable(this);
        evenements_->observe(&liste);
        evenements_->setVisible(montre);
    };
    dialogues_.fichierAOuvrir = [this] {
        QFileDialog dialogue(this, QString(), QString(), qtexte(ID_FILTRE_PARTIES));
        dialogue.setFileMode(QFileDialog::ExistingFile);
        dialogue.setDefaultSuffix(QStringLiteral("jss"));
        return dialogue.exec() == QDialog::Accepted ? dialogue.selectedFiles().value(0) : QString();
    };
    dialogues_.fichierASauver = [this](const QString& nomActuel) {
        QFileDialog dialogue(this, QString(), nomActuel, qtexte(ID_FILTRE_PARTIES));
        dialogue.setAcceptMode(QFileDialog::AcceptSave);
        dialogue.setDefaultSuffix(QStringLiteral("jss"));
        return dialogue.exec() == QDialog::Accepted ? dialogue.selectedFiles().value(0) : QString();
    };

    connect(vueTable_, &VueTable::changement, this, [this] { statistiquesSauvees_.sauveSiChangees(statistiques_); });
    const bool automatique = reglages().value(QString::fromLatin1(CLE_CONFIRMATION_AUTOMATIQUE), false).toBool();
    action("ConfirmationAutomatique1")->setChecked(automatique);
    vueTable_->setConfirmationAutomatique(automatique);
    const bool conseils = reglages().value(QString::fromLatin1(CLE_CONSEILS_DU_MAITRE), false).toBool();
    action("ConseilsDuMaitre1")->setChecked(conseils);
    vueTable_->setConseilsDuMaitre(conseils);

    auto* debug = new QShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_D), this);
    connect(debug, &QShortcut::activated, this, &TFormJeuDeCartes::basculeAffichageDebug);

    timer_.setSingleShot(true);
    timer_.setInterval(1);
    connect(&timer_, &QTimer::timeout, this, &TFormJeuDeCartes::timer_Timer);
    timer_.start();
}

TFormJeuDeCartes::~TFormJeuDeCartes() {
    vueTable_->setTable(nullptr);
    if (evenements_) evenements_->observe(nullptr);
    table_.reset();
    abandonnees_.clear();
}

QAction* TFormJeuDeCartes::action(const char* nom) const { return findChild<QAction*>(QString::fromLatin1(nom)); }

void TFormJeuDeCartes::creeMenus() {
    const auto item = [this](QMenu* menu, const char* nom, void (TFormJeuDeCartes::*gestionnaire)()) {
        QAction* action = menu->addAction(QString());
        action->setObjectName(QString::fromLatin1(nom));
        connect(action, &QAction::triggered, this, [this, gestionnaire] {
            AppelAuJeu appel;
            (this->*gestionnaire)();
        });
        return action;
    };
    menuFichiers_ = menuBar()->addMenu(QString());
    item(menuFichiers_, "Nouvellepartie1", &TFormJeuDeCartes::Nouvellepartie1Click)->setShortcut(QKeySequence::New);
    menuFichiers_->addSeparator();
    item(menuFichiers_, "Ouvrir1", &TFormJeuDeCartes::Ouvrir1Click)->setShortcut(QKeySequence::Open);
    item(menuFichiers_, "Sauvegarder1", &TFormJeuDeCartes::Sauvegarder1Click)->setShortcut(QKeySequence::Save);
    item(menuFichiers_, "Sauversous1", &TFormJeuDeCartes::Sauversous1Click);
    menuFichiers_->addSeparator();
    QAction* quitter = menuFichiers_->addAction(QString(), this, &QWidget::close);
    quitter->setObjectName(QStringLiteral("Quitter1"));
    quitter->setShortcut(QKeySequence::Quit);

    menuConnection_ = menuBar()->addMenu(QString());
    item(menuConnection_, "Hbergerunepartie1", &TFormJeuDeCartes::Hbergerunepartie1Click);
    item(menuConnection_, "Joindreunepartieclient1", &TFormJeuDeCartes::Joindreunepartieclient1Click);
    menuConnection_->addSeparator();
    item(menuConnection_, "Dconnecter1", &TFormJeuDeCartes::Dconnecter1Click)->setEnabled(false);

    menuOptions_ = menuBar()->addMenu(QString());
    menuStyle_ = menuOptions_->addMenu(QString());
    groupeStyle_ = new QActionGroup(this);
    QAction* francaises = item(menuStyle_, "Francaises1", &TFormJeuDeCartes::Cartesfranaises1Click);
    QAction* suisses = item(menuStyle_, "SuisseAllemandes1", &TFormJeuDeCartes::Cartessuisseallemandes1Click);
    for (QAction* style : {francaises, suisses}) {
        style->setCheckable(true);
        groupeStyle_->addAction(style);
    }
    francaises->setChecked(true);
    menuOptions_->addSeparator();
    item(menuOptions_, "Scores1", &TFormJeuDeCartes::Scores1Click);
    item(menuOptions_, "JoueurNometnivau1", &TFormJeuDeCartes::JoueurNometnivau1Click);
    menuOptions_->addSeparator();
    item(menuOptions_, "ConfirmationAutomatique1", &TFormJeuDeCartes::ConfirmationAutomatique1Click)->setCheckable(true);

    // Available in network games too: it only shows what the table already knows.
    menuAffichage_ = menuBar()->addMenu(QString());
    item(menuAffichage_, "DernierPli1", &TFormJeuDeCartes::DernierPli1Click)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    item(menuAffichage_, "FeuilleDeMarque1", &TFormJeuDeCartes::FeuilleDeMarque1Click)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    QAction* conseils = item(menuAffichage_, "ConseilsDuMaitre1", &TFormJeuDeCartes::ConseilsDuMaitre1Click);
    conseils->setCheckable(true);
    conseils->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));

    aPropos_ = menuBar()->addAction(QString());
    aPropos_->setObjectName(QStringLiteral("Apropos1"));
    connect(aPropos_, &QAction::triggered, this, [this] { Apropos1Click(); });
}

// The texts of the menus, again after each change of language.
void TFormJeuDeCartes::traduit() {
    menuFichiers_->setTitle(qtexte(ID_MENU_FICHIERS));
    menuConnection_->setTitle(qtexte(ID_MENU_CONNECTION));
    menuOptions_->setTitle(qtexte(ID_MENU_OPTIONS));
    menuStyle_->setTitle(qtexte(ID_STYLE_CARTES));
    menuAffichage_->setTitle(qtexte(ID_MENU_AFFICHAGE));
    for (const ItemDeMenu& item : ITEMS)
        if (QAction* a = action(item.nom)) a->setText(qtexte(item.idTexte));
}

// ---- Start-up ----

void TFormJeuDeCartes::timer_Timer() {
    timer_.stop();
    menusLocaux();
    appliqueStyleDeLaLangue();
    signaleStatistiquesEndommagees();
    const LigneDeCommande ligne = LigneDeCommande::analyse(arguments_);
    switch (ligne.action) {
        case LigneDeCommande::Action::Serveur: Hbergerunepartie1Click(); return;
        case LigneDeCommande::Action::Client:
            nomFichierSauve_.clear();
            nouvelleTable();
            demarreReseau(OptionsDePartie::ClientTCP, depuisQt(ligne.argument));
            return;
        case LigneDeCommande::Action::Fichier:
            nouvelleTable();
            table_->commencePartie(Table::ChargeFichier, OptionsDePartie::Local, nomDeFichierNatif(ligne.argument));
            return;
        case LigneDeCommande::Action::Allemand:
            choisitLangue(QStringLiteral("DEU"));
            appliqueStyleDeLaLangue();
            Nouvellepartie1Click();
            return;
        case LigneDeCommande::Action::Francais:
            choisitLangue(QStringLiteral("FRA"));
            appliqueStyleDeLaLangue();
            Nouvellepartie1Click();
            return;
        case LigneDeCommande::Action::Anglais:
            choisitLangue(QStringLiteral("ENU"));
            appliqueStyleDeLaLangue();
            Nouvellepartie1Click();
            return;
        case LigneDeCommande::Action::NouvellePartie:
            if (!reprendPartieInterrompue()) Nouvellepartie1Click();
            return;
        case LigneDeCommande::Action::ServeurDirectPlay: ServerDirectPlay1Click(); return;
        case LigneDeCommande::Action::ClientDirectPlay: ClientDirectPlay1Click(); return;
        case LigneDeCommande::Action::LanceParLobby:
            switch (dpConnect().lanceParLobby(ligne.argument)) {
                case DPConnect::Heberge: commenceServeurDirectPlay(); return;
                case DPConnect::Rejoint: commenceClientDirectPlay(); return;
                case DPConnect::Echec: throw Exception(texte(ID_DIRECTPLAY_ECHOUE));
            }
            return;
        case LigneDeCommande::Action::Invalide: throw Exception(formate(ID_USAGE, depuisQt(ligne.texteComplet)));
    }
}

void TFormJeuDeCartes::setFichierDeStatistiques(const QString& fichier) {
    statistiquesSauvees_ = StatistiquesSauvees(QFile::encodeName(fichier).toStdString());
    statistiquesEndommagees_ = statistiquesSauvees_.charge(statistiques_) ? QString() : fichier;
}

// Told once, before the first game: the file is set aside and the next one is whole.
void TFormJeuDeCartes::signaleStatistiquesEndommagees() {
    if (statistiquesEndommagees_.isEmpty()) return;
    const std::string message = formate(ID_STATISTIQUES_ENDOMMAGEES, depuisQt(statistiquesEndommagees_));
    statistiquesEndommagees_.clear();
    Plateforme::courante().information(message, texte(ID_TITRE_ERREUR));
}

bool TFormJeuDeCartes::reprendPartieInterrompue() {
    nouvelleTable();
    return offreDeReprendre(*table_, fichierDeReprise_);
}

// The German texts come with the Swiss-German cards, the others with the French ones: a
// language chosen after a German session does not keep the German suits under French names.
void TFormJeuDeCartes::appliqueStyleDeLaLangue() {
    const bool suisses = texte(ID_CODE_CARTES) == "GER";
    action(suisses ? "SuisseAllemandes1" : "Francaises1")->setChecked(true);
    if (suisses)
        Cartessuisseallemandes1Click();
    else
        Cartesfranaises1Click();
}

void TFormJeuDeCartes::choisitLangue(const QString& code) {
    if (!langue::choisit(code)) {
        const QString chemin = code.toLower() + QStringLiteral(".txt");
        Plateforme::courante().erreur(formate(ID_FICHIER_ILLISIBLE, depuisQt(chemin)));
    }
    traduit();
    vueTable_->rafraichit();
}

// ---- Menus ----

void TFormJeuDeCartes::menusLocaux() {
    for (QAction* menu : menuBar()->actions()) menu->setEnabled(true);
    action("Hbergerunepartie1")->setEnabled(true);
    action("Joindreunepartieclient1")->setEnabled(true);
    action("Dconnecter1")->setEnabled(false);
}

void TFormJeuDeCartes::menusReseau() {
    for (QAction* menu : menuBar()->actions())
        menu->setEnabled(menu == menuConnection_->menuAction() || menu == menuAffichage_->menuAction());
    action("Hbergerunepartie1")->setEnabled(false);
    action("Joindreunepartieclient1")->setEnabled(false);
    action("Dconnecter1")->setEnabled(true);
}

bool TFormJeuDeCartes::peutAbandonnerPartie() {
    if (table_ && table_->demandeEnCours()) {
        Plateforme::courante().avertissement(texte(ID_ATTENDRE_JOUEURS), texte(ID_TITRE_ATTENDRE));
        return false;
    }
    if (!table_ || !table_->estModifiee() || table_->etatJeu() == EvenementDeJeu::Vide_Avant_NouvellePartie)
        return true;
    return Plateforme::courante().avertissement(texte(ID_PARTIE_PERDUE), texte(ID_TITRE_PARTIE_PERDUE));
}

// The old table may still be inside one of its calls (a message box, a replay pause): it is cut
// from the window at once and destroyed once that call has returned.
void TFormJeuDeCartes::nouvelleTable() {
    vueTable_->setTable(nullptr);
    if (evenements_) {
        evenements_->observe(nullptr);
        evenements_->hide();
    }
    if (table_) {
        lien_->coupe();
        abandonnees_.emplace_back(std::move(lien_), std::move(table_));
        QTimer::singleShot(0, this, &TFormJeuDeCartes::detruitPartiesAbandonnees);
    }
    lien_ = std::make_unique<LienFenetre>(*this);
    table_ = std::make_unique<Table>(statistiques_, lien_.get());
    table_->sauvegardeEnContinuDans(fichierDeReprise_);
    table_->setTransports(
        {[this](ListeDesEvenements& liste, const OptionsDePartie& options) {
             return std::make_unique<ServerSocket>(liste, options, *fenetresReseau_);
         },
         [this](ListeDesEvenements& liste) { return std::make_unique<ClientSocket>(liste, *fenetresReseau_); },
         [this](ListeDesEvenements& liste, const OptionsDePartie& options) {
             return std::make_unique<DPServer>(dpConnect().session(), liste, options, *fenetresReseau_);
         },
         [this](ListeDesEvenements& liste) {
             return std::make_unique<DPClient>(dpConnect().session(), dpConnect().rejointe().port, liste,
                                               *fenetresReseau_);
         }});
    vueTable_->setTable(table_.get());
}

void TFormJeuDeCartes::detruitPartiesAbandonnees() {
    if (AppelAuJeu::profondeur() > 0) {
        QTimer::singleShot(50, this, &TFormJeuDeCartes::detruitPartiesAbandonnees);
        return;
    }
    abandonnees_.clear();
}

void TFormJeuDeCartes::Nouvellepartie1Click() {
    menusLocaux();
    if (!peutAbandonnerPartie()) return;
    nouvelleTable();
    if (dialogues_.optionsDePartie) dialogues_.optionsDePartie(optionsDePartie_);
    table_->setOptionsDePartie(optionsDePartie_);
    setWindowTitle(qtexte(ID_TITRE_VERSION));

    const auto sieges = siegesDePartieLocale(optionsUtilisateur_, optionsDePartie_, static_cast<unsigned>(std::rand()));
    Table* table = table_.get();
    table->commencePartie(Table::NouvellePartie, OptionsDePartie::Local, "");
    for (int siege = 0; siege < 4 && table == table_.get(); ++siege) table->inscritJoueur(sieges[siege], 2 + siege);
}

void TFormJeuDeCartes::Ouvrir1Click() {
    menusLocaux();
    if (!peutAbandonnerPartie()) return;
    const QString fichier = dialogues_.fichierAOuvrir ? dialogues_.fichierAOuvrir() : QString();
    if (fichier.isEmpty()) return;
    nouvelleTable();
    nomFichierSauve_ = fichier;
    table_->commencePartie(Table::ChargeFichier, OptionsDePartie::Local, nomDeFichierNatif(fichier));
}

void TFormJeuDeCartes::Sauversous1Click() {
    const QString fichier = dialogues_.fichierASauver ? dialogues_.fichierASauver(nomFichierSauve_) : QString();
    if (fichier.isEmpty()) return;
    nomFichierSauve_ = fichier;
    if (!table_) return;
    table_->sauve(nomDeFichierNatif(fichier));
}

void TFormJeuDeCartes::Sauvegarder1Click() {
    if (nomFichierSauve_.isEmpty()) {
        Sauversous1Click();
        return;
    }
    if (table_) table_->sauve(nomDeFichierNatif(nomFichierSauve_));
}

void TFormJeuDeCartes::demarreReseau(OptionsDePartie::Connection connection, const std::string& texte) {
    table_->commencePartie(Table::NouvellePartie, connection, texte);
    // A connection that could not start leaves no game: the menus are those of a local game.
    if (table_->etatJeu() == EvenementDeJeu::Depart) menusLocaux();
}

void TFormJeuDeCartes::Hbergerunepartie1Click() {
    if (!peutAbandonnerPartie()) return;
    menusReseau();
    nouvelleTable();
    if (dialogues_.optionsDePartie) dialogues_.optionsDePartie(optionsDePartie_);
    table_->setOptionsDePartie(optionsDePartie_);
    demarreReseau(OptionsDePartie::ServeurTCP, "");
}

void TFormJeuDeCartes::Joindreunepartieclient1Click() {
    if (!peutAbandonnerPartie()) return;
    const QString adresse = dialogues_.adresseDuServeur ? dialogues_.adresseDuServeur() : QString();
    if (adresse.isEmpty()) return;
    menusReseau();
    nouvelleTable();
    demarreReseau(OptionsDePartie::ClientTCP, depuisQt(adresse));
}

void TFormJeuDeCartes::Dconnecter1Click() {
    if (!table_ || !table_->confirmeFermeture()) return;
    table_->deconnecte();
    if (dpConnect_) dpConnect_->libere();
    menusLocaux();
}

DPConnect& TFormJeuDeCartes::dpConnect() {
    if (!dpConnect_) dpConnect_ = std::make_unique<DPConnect>(this);
    return *dpConnect_;
}

// A session that could not be opened or joined starts no game: its failure was shown.
void TFormJeuDeCartes::ServerDirectPlay1Click() {
    if (!dpConnect().heberge(Plateforme::courante().nomDUtilisateur())) return;
    commenceServeurDirectPlay();
}

void TFormJeuDeCartes::ClientDirectPlay1Click() {
    if (dpConnect().chercheEtRejoint() != 1) return;
    commenceClientDirectPlay();
}

void TFormJeuDeCartes::commenceServeurDirectPlay() {
    nomFichierSauve_.clear();
    nouvelleTable();
    if (dialogues_.optionsDePartie) dialogues_.optionsDePartie(optionsDePartie_);
    table_->setOptionsDePartie(optionsDePartie_);
    menusReseau();
    demarreReseau(OptionsDePartie::ServeurDirectPlay, "");
    quitteSessionSansPartie();
}

void TFormJeuDeCartes::commenceClientDirectPlay() {
    nomFichierSauve_.clear();
    nouvelleTable();
    menusReseau();
    // The session is joined already; the host's address only names it in a failure's message.
    demarreReseau(OptionsDePartie::ClientDirectPlay, dpConnect().rejointe().hote);
    quitteSessionSansPartie();
}

// A game that could not start keeps no session open: its players are told it ended.
void TFormJeuDeCartes::quitteSessionSansPartie() {
    if (table_->etatJeu() == EvenementDeJeu::Depart) dpConnect().libere();
}

void TFormJeuDeCartes::appliqueStyle(StyleCartes style) {
    style_ = style;
    ImagesCartes::instance().setStyle(style);
    vueTable_->rechargeImages();
}

void TFormJeuDeCartes::Cartesfranaises1Click() { appliqueStyle(StyleCartes::Francaises); }
void TFormJeuDeCartes::Cartessuisseallemandes1Click() { appliqueStyle(StyleCartes::SuisseAllemandes); }
void TFormJeuDeCartes::Cartesfun1Click() { appliqueStyle(StyleCartes::Fun); }
void TFormJeuDeCartes::CartesXXx1Click() { appliqueStyle(StyleCartes::XXX); }

void TFormJeuDeCartes::Apropos1Click() {
    if (dialogues_.aPropos) dialogues_.aPropos();
}

void TFormJeuDeCartes::Scores1Click() {
    if (dialogues_.statistiques) dialogues_.statistiques(statistiques_);
}

void TFormJeuDeCartes::JoueurNometnivau1Click() {
    if (dialogues_.optionsDuJoueur) dialogues_.optionsDuJoueur(optionsUtilisateur_);
}

void TFormJeuDeCartes::DernierPli1Click() { vueTable_->montreDernierPli(); }

void TFormJeuDeCartes::FeuilleDeMarque1Click() {
    if (!table_ || !dialogues_.feuilleDeMarque) return;
    std::array<std::string, 4> noms;
    for (int siege = 0; siege < 4; ++siege) noms[siege] = table_->nomDuJoueur(siege);
    dialogues_.feuilleDeMarque(feuilleDeMarque(vueTable_->historique(), noms), {nomDEquipe(noms, 0), nomDEquipe(noms, 1)});
}

void TFormJeuDeCartes::ConfirmationAutomatique1Click() {
    const bool active = action("ConfirmationAutomatique1")->isChecked();
    reglages().setValue(QString::fromLatin1(CLE_CONFIRMATION_AUTOMATIQUE), active);
    vueTable_->setConfirmationAutomatique(active);
}

void TFormJeuDeCartes::ConseilsDuMaitre1Click() {
    const bool actifs = action("ConseilsDuMaitre1")->isChecked();
    reglages().setValue(QString::fromLatin1(CLE_CONSEILS_DU_MAITRE), actifs);
    vueTable_->setConseilsDuMaitre(actifs);
}

void TFormJeuDeCartes::basculeAffichageDebug() {
    if (!table_) return;
    AppelAuJeu appel;
    table_->basculeAffichageDebug();
    if (dialogues_.evenements) dialogues_.evenements(table_->listeDesEvenements(), table_->montreTout());
}

void TFormJeuDeCartes::closeEvent(QCloseEvent* event) {
    AppelAuJeu appel;
    if (!peutAbandonnerPartie() || (table_ && !table_->confirmeFermeture())) {
        event->ignore();
        return;
    }
    fermee_ = true;
    event->accept();
}
