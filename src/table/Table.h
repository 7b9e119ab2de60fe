#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "platform/Plateforme.h"
#include "rules/OptionsDuJoueur.h"
#include "rules/Annonces.h"
#include "rules/JeuDeCartes.h"
#include "rules/KnuthRandom.h"
#include "rules/OptionsDePartie.h"
#include "rules/Partie.h"
#include "rules/StatusAtout.h"
#include "events/InfoDemande.h"
#include "events/ListeDesEvenements.h"
#include "events/SettingsPartie.h"
#include "models/PanelDeCartesRamassees.h"
#include "models/TasCentral.h"
#include "players/ArbitreDeLaTable.h"
#include "table/TransportReseau.h"
#include "table/Zu_Semaphore.h"

class Joueur;
class Statistiques;

// What the table needs of the main window that owns it.
class FenetreDeJeu {
public:
    virtual ~FenetreDeJeu() = default;
    // False while the window is closing: the table then stops asking and consuming.
    virtual bool estVisible() const = 0;
};

// Runs one game of four players as a state machine driven by game events. Its state changes
// only when it consumes an event released by its event list, or when it advances to ask the
// players concerned for the next action. Local computer players, the user, remote players and a
// replayed file are interchangeable: all of them only produce events.
class Table : public ConsommateurDEvenements, public ArbitreDeLaTable {
public:
    enum ModeDemarrage { NouvellePartie = 0, ChargeFichier = 1, RejoueMemesJoueurs = 2, NouvellePartieClient = 3 };

    Table(Statistiques& statistiques, const FenetreDeJeu* fenetre = nullptr);
    ~Table() override;
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    // Starts a game. Errors reach the user as "<class>: <message>"; the table is then left
    // without a game and nothing of the file read is changed.
    void commencePartie(ModeDemarrage mode, OptionsDePartie::Connection connection, const std::string& texte);
    // Registers the player of a seat (numbers 2 to 5) for a local game.
    void inscritJoueur(const OptionsDuJoueur& options, int numero);
    // The options of the next new game (chosen in the dialog before the start).
    void setOptionsDePartie(const OptionsDePartie& options) { optionsDePartie_ = options; }
    // The makers of the network ends for hosted and joined games.
    void setTransports(FabriqueDeTransports transports) { transports_ = std::move(transports); }
    bool estHote() const { return server_ != nullptr; }
    bool estClient() const { return client_ != nullptr; }

    // The event list's side.
    int etatJeu() const override { return etatJeu_; }
    void traiteEvenement(const EvenementDeJeu& evenement, const std::string& description, ModeRejeu mode) override;
    void transmetEvenement(const EvenementDeJeu& evenement) override;
    void demandeProchaineAction(ModeRejeu mode) override;
    std::string nomDuJoueur(int noJoueur) const override;
    bool estSiegeDistant(int noJoueur) const override;

    int prochainJoueur() const override;
    Joueur* getJoueur(int intervenant) const;
    static constexpr int nbJoueurs() { return 4; }
    StatusCarteJouee statutCarte(const Carte* carte, int noJoueur) const override;
    void afficheMessage(const std::string& texte, ModeRejeu mode);
    void metAJourScores();
    bool estModifiee() const { return partieModifiee_; }
    bool demandeEnCours() const { return demandeEnCours_; }
    // Saves the game; an empty name does nothing.
    void sauve(const std::string& nomFichier);
    // The game in progress is written to this file after every event that changes the table
    // once the play has begun, and the file is removed when the game ends: a program closed or
    // dead in the middle of a game finds it there (see offreDeReprendre). Empty: none.
    void sauvegardeEnContinuDans(const std::string& fichierDeReprise) { fichierDeReprise_ = fichierDeReprise; }
    void basculeAffichageDebug();
    // True when the window may close.
    bool confirmeFermeture();
    void deconnecte();

    // What the views draw.
    const std::string& labelEtat() const { return labelEtat_; }
    const std::array<std::string, 10>& labelsHistorique() const { return labelsHistorique_; }
    TasCentral& tasCentral() { return tasCentral_; }
    const PanelDeCartesRamassees& panelRamassees(int equipe) const { return panelsRamassees_[equipe & 1]; }
    ListeDesEvenements& listeDesEvenements() { return listeDesEvenements_; }
    bool montreTout() const { return montreTout_; }
    const OptionsDePartie& optionsDePartie() const { return optionsDePartie_; }
    const std::optional<Partie>& partie() const { return partie_; }
    int totalEquipe(int equipe) const { return totalEquipe_[equipe]; }
    // The deal's points, its melds and the earlier deals of a team.
    int scoreEquipe(int equipe) const {
        return (partie_ ? partie_->getPointsEquipe(equipe) : 0) + pointsAnnoncesEquipe_[equipe] + totalEquipe_[equipe];
    }
    int pointsAnnoncesEquipe(int equipe) const { return pointsAnnoncesEquipe_[equipe]; }
    int joueurDoitChoisirAtout() const { return joueurDoitChoisirAtout_; }
    int compteurDonnes() const { return compteurDonnes_; }
    const std::string& nomFichier() const { return nomFichier_; }
    // Told when the status, history or scores change.
    std::function<void()> changement;

private:
    // The deal cycle: handlers of the events of a deal and the accounting between deals.
    // A replay passes the deals it plays again without telling the user what he was told then.
    void passeAEtatSuivant(ModeRejeu mode);
    SettingsPartie settings() const;
    void traiteSettings(const std::string& donnees, ModeRejeu mode);
    void traiteDistribue();
    void finDistribution();
    void traiteChoixAtout(const StatusAtout& status, int intervenant);
    void traiteAnnonce(const Annonces& annonces, int intervenant);
    void traiteConfirmationAnnonce();
    void traiteCarte(const Carte* carte, int intervenant);
    void traiteRamasseTas();
    void demandeFinDePartie(const InfoDemande& demande);
    void traiteFinDePartie();
    void offreNouvellePartie();

    void videTable();
    void creeTransport(OptionsDePartie::Connection connection, const std::string& texte);
    void traiteInscriptionTypeDePartie(const std::string& donnees);
    void traiteInscriptionJoueur(const std::string& donnees);
    void demandeSelonEtat(int etat, const InfoDemande& demande);
    void sauvegardeEnContinu(int etat);
    // The rounds in which every seat answers under its own number: the deal's confirmations, the
    // melds' acknowledgements, a trick's collection. Asks the seats from the given state on.
    struct TourDeConfirmations;
    static std::optional<TourDeConfirmations> tourDeConfirmations(int etat);
    void demandeTour(const TourDeConfirmations& tour, int depuis, const InfoDemande& demande);
    // Events from files and the network are checked against the state before anything of them
    // is applied: the right kind, the seat whose turn it is, a card in that hand and allowed.
    void verifieEvenementAttendu(const EvenementDeJeu& evenement) const;
    bool fenetreVisible() const { return !fenetre_ || fenetre_->estVisible(); }
    void signaleChangement() const;

    bool montreTout_ = false;
    std::string nomFichier_;
    bool partieModifiee_ = false;
    KnuthRandom knuthRandom_{false};
    JeuDeCartes jeu_;
    std::int32_t pointsPourGagner_ = 0;
    // Per team (seats 0 and 2, then seats 1 and 3): the melds of the current deal and the
    // total of the deals before it, both already multiplied.
    std::array<std::int32_t, 2> pointsAnnoncesEquipe_{};
    std::array<std::int32_t, 2> totalEquipe_{};
    std::int32_t joueurDoitChoisirAtout_ = -10;
    std::int32_t joueurAChoisiAtout_ = -10;
    bool demandeEnCours_ = false;
    // A game file was just replayed: the first request after it is made for real, also to the
    // seats of a round the file ends in the middle of, which the replay asked without an answer.
    bool repriseApresChargement_ = false;
    // A deal ended and the next deal's settings are awaited.
    bool donneTerminee_ = false;
    std::string fichierDeReprise_;
    bool estConcours_ = false;
    std::int32_t compteurDonnes_ = -1;
    bool distributionInversee_ = false;
    std::string etatRandomInitial_;
    Annonces annonces_[4];
    std::int32_t annonceurs_[4] = {};
    std::int32_t nbAnnonces_ = 0;
    std::int8_t etatJeu_ = EvenementDeJeu::Depart;
    OptionsDePartie optionsDePartie_;
    const FenetreDeJeu* fenetre_;
    Statistiques& statistiques_;
    TasCentral tasCentral_;
    std::string labelEtat_;
    std::array<std::string, 10> labelsHistorique_;
    ListeDesEvenements listeDesEvenements_;
    PanelDeCartesRamassees panelsRamassees_[2];
    Zu_Semaphore semaphore_;
    std::optional<Partie> partie_;
    std::unique_ptr<Joueur> joueur_[4];
    FabriqueDeTransports transports_;
    std::unique_ptr<TransportServeur> server_;
    std::unique_ptr<TransportClient> client_;
    std::unique_ptr<Minuterie> timerNouvellePartie_;
};
