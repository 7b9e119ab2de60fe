#pragma once

#include <QMainWindow>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "rules/OptionsDuJoueur.h"
#include "rules/OptionsDePartie.h"
#include "events/Statistiques.h"
#include "models/FeuilleDeMarque.h"
#include "table/Table.h"
#include "ui/ImagesCartes.h"
#include "ui/LigneDeCommande.h"
#include "ui/StatistiquesSauvees.h"

class CompositionDesEquipes;
class DPConnect;
class QAction;
class QActionGroup;
class QMenu;
class TFormEventsTable;
class TFormOptionsDuJoueur;
class TFormtClientDurantConnection;
class VueTable;

// The windows the main window opens on behalf of the user; each has a plain default, and the
// tests put scripted answers in their place.
struct DialoguesDuJeu {
    // The game options before a new game.
    std::function<void(OptionsDePartie&)> optionsDePartie;
    // The player options dialog; 1 when confirmed.
    std::function<int(OptionsDuJoueur&)> optionsDuJoueur;
    // The server window while clients join; 1 when the host confirmed the teams.
    std::function<int(CompositionDesEquipes&)> composeEquipes;
    // The client window: the host's IP number, empty when the user gave up joining.
    std::function<QString()> adresseDuServeur;
    std::function<void(Statistiques&)> statistiques;
    // The score sheet: its lines and the two teams' names.
    std::function<void(const std::vector<LigneDeMarque>&, const std::array<std::string, 2>&)> feuilleDeMarque;
    std::function<void()> aPropos;
    // The events window of the debug view, shown or hidden.
    std::function<void(ListeDesEvenements&, bool montre)> evenements;
    // A game file to open or to save to; empty when the user cancels.
    std::function<QString()> fichierAOuvrir;
    std::function<QString(const QString& nomActuel)> fichierASauver;
};

// The program's one window. It owns the current table and replaces it for every new or opened
// game, holds the record of the user of this computer, turns the menu commands into starts and
// saves, and reads the command line once, right after it is shown.
class TFormJeuDeCartes : public QMainWindow, public FenetreDeJeu {
    Q_OBJECT
public:
    explicit TFormJeuDeCartes(QStringList arguments, QWidget* parent = nullptr);
    ~TFormJeuDeCartes() override;

    bool estVisible() const override { return !fermee_; }

    // The start-up timer's work: the card style of the language, then the command line; without
    // arguments, the offer to resume a game left unfinished, else a new game.
    void timer_Timer();
    // Where every table keeps the game in progress so that it is never lost (empty: nowhere).
    void setFichierDeReprise(const std::string& fichierDeReprise) { fichierDeReprise_ = fichierDeReprise; }
    // Where the statistics are kept between runs; read at once. A damaged file is said at the
    // start-up, once.
    void setFichierDeStatistiques(const QString& fichier);
    const Statistiques& statistiques() const { return statistiques_; }

    void Nouvellepartie1Click();
    void Ouvrir1Click();
    void Sauvegarder1Click();
    void Sauversous1Click();
    void Hbergerunepartie1Click();
    void Joindreunepartieclient1Click();
    void Dconnecter1Click();
    void Cartesfranaises1Click();
    void Cartessuisseallemandes1Click();
    void Cartesfun1Click();
    void CartesXXx1Click();
    void Apropos1Click();
    void Scores1Click();
    void JoueurNometnivau1Click();
    // Beyond the classic menus: the last trick again, the score sheet, and the option to have
    // tricks collected and melds and deals confirmed after a pause.
    void DernierPli1Click();
    void FeuilleDeMarque1Click();
    void ConfirmationAutomatique1Click();
    void ConseilsDuMaitre1Click();
    void ServerDirectPlay1Click();
    void ClientDirectPlay1Click();

    void menusLocaux();
    void menusReseau();
    bool peutAbandonnerPartie();
    void nouvelleTable();
    // "FRA", "DEU" or "ENU": remembered for later starts and applied at once.
    void choisitLangue(const QString& code);

    Table* table() const { return table_.get(); }
    VueTable* vueTable() const { return vueTable_; }
    DialoguesDuJeu& dialogues() { return dialogues_; }
    OptionsDuJoueur& optionsUtilisateur() { return optionsUtilisateur_; }
    StyleCartes styleCartes() const { return style_; }
    // The menu item of a command, to check its state.
    QAction* action(const char* nom) const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    class LienFenetre;
    class FenetresDuReseau;

    void creeMenus();
    void traduit();
    void appliqueStyle(StyleCartes style);
    void appliqueStyleDeLaLangue();
    void basculeAffichageDebug();
    void demarreReseau(OptionsDePartie::Connection connection, const std::string& texte);
    void detruitPartiesAbandonnees();
    bool reprendPartieInterrompue();
    DPConnect& dpConnect();
    void commenceServeurDirectPlay();
    void commenceClientDirectPlay();
    void quitteSessionSansPartie();
    void signaleStatistiquesEndommagees();

    QStringList arguments_;
    std::unique_ptr<LienFenetre> lien_;
    std::unique_ptr<FenetresDuReseau> fenetresReseau_;
    std::unique_ptr<Table> table_;
    // Made at the first session game: a program that never plays one opens no session socket.
    std::unique_ptr<DPConnect> dpConnect_;
    std::vector<std::pair<std::unique_ptr<LienFenetre>, std::unique_ptr<Table>>> abandonnees_;
    OptionsDuJoueur optionsUtilisateur_;
    Statistiques statistiques_;
    StatistiquesSauvees statistiquesSauvees_;
    QString statistiquesEndommagees_;
    OptionsDePartie optionsDePartie_;
    DialoguesDuJeu dialogues_;
    VueTable* vueTable_;
    QString nomFichierSauve_;
    std::string fichierDeReprise_;
    QTimer timer_;
    StyleCartes style_ = StyleCartes::Francaises;
    bool fermee_ = false;

    QMenu* menuFichiers_ = nullptr;
    QMenu* menuConnection_ = nullptr;
    QMenu* menuOptions_ = nullptr;
    QMenu* menuStyle_ = nullptr;
    QMenu* menuAffichage_ = nullptr;
    QAction* aPropos_ = nullptr;
    QActionGroup* groupeStyle_ = nullptr;
    TFormOptionsDuJoueur* optionsDuJoueur_ = nullptr;
    TFormEventsTable* evenements_ = nullptr;
    TFormtClientDurantConnection* progression_ = nullptr;
};
