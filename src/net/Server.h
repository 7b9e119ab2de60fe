#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "events/TypeEvenement.h"
#include "net/CompositionDesEquipes.h"
#include "net/Ecoute.h"
#include "net/FenetresReseau.h"
#include "net/Lien.h"
#include "net/TamponDeReception.h"
#include "platform/Plateforme.h"
#include "rules/OptionsDePartie.h"
#include "table/TransportReseau.h"

class EvenementDeJeu;
class ListeDesEvenements;

// The host's end of a network game, over any carrier's listening end. It lets clients register
// their player, lets the host compose the two teams, turns that choice into the four player
// registrations, sends every event the host's table processes to every client, hands the events
// of the clients to the event list, and repeats what the clients may have missed when they fall
// silent.
//
// Each link has its own receive buffer and speaks only for the seats its registration holds: a
// client cannot play for another.
class Server : public TransportServeur, private Ecoute::Observateur, private Lien::Observateur {
public:
    static constexpr std::uint16_t PORT = 4000;
    static constexpr std::size_t NB_LIENS_MAXI = 20;
    static constexpr int NB_JOUEURS_MAXI = 20;
    static constexpr int PERIODE_REPETITION_MS = 10000;

    Server(std::unique_ptr<Ecoute> ecoute, std::uint16_t port, ListeDesEvenements& liste,
           const OptionsDePartie& optionsDePartie, FenetresReseau& fenetres);
    ~Server() override;
    Server(const Server&) = delete;
    Server& operator=(const Server&) = delete;

    int demarre() override;
    bool estConnecte() const override { return !liens_.empty(); }
    void arrete() override;
    void envoie(const std::string& texte, bool aRetenir) override;

    // The port listened on (the one chosen when asked for any free port).
    std::uint16_t port() const { return ecoute_->port(); }
    std::size_t nbLiens() const { return liens_.size(); }
    int nbJoueurs() const { return nbJoueurs_; }
    CompositionDesEquipes& composition() { return composition_; }

private:
    struct Connexion {
        std::unique_ptr<Lien> lien;
        TamponDeReception tampon_;
        // The record of its registration in the composition, or -1.
        int joueur = -1;
        // The last message it sent: the same again is a repetition, not news.
        std::string dernierRecu;
        bool enTraitement = false;
        bool fermee = false;
    };
    struct Envoi {
        std::string texte;
        TypeEvenement type;
    };

    int choisitEquipes();
    void nouveauLien(std::unique_ptr<Lien> lien) override;
    void recoit(Lien& lien, const std::string& octets) override;
    void lienFerme(Lien& lien) override;
    void erreurDeLien(Lien& lien, const std::string& message) override;

    void traiteRecu(Connexion& connexion);
    void traiteMessage(Connexion& connexion, const std::string& message);
    void inscrit(Connexion& connexion, const EvenementDeJeu& inscription);
    bool tientLeSiege(const Connexion& connexion, int siege) const;
    // A peer that broke the protocol: the box, then its link is closed.
    void rejette(Connexion& connexion, const std::string& texte, const std::string& titre);
    void retire(Connexion& connexion);
    // A seated player's link lost during the game: the host is told, every other link is closed
    // (their clients are told in turn) and the table stays as it stood.
    void connexionPerdue();
    void repete();
    std::vector<std::string> aRepeter() const;
    void transmet(const std::string& texte);
    Connexion* connexionDe(const Lien& lien);
    void jetteLesFermees();

    std::unique_ptr<Ecoute> ecoute_;
    std::uint16_t portDEcoute_;
    ListeDesEvenements& listeDesEvenements_;
    const OptionsDePartie& optionsDePartie_;
    FenetresReseau& fenetres_;
    CompositionDesEquipes composition_;
    OptionsDuJoueur joueurHote_;
    std::array<int, 4> sieges_{-1, -1, -1, -1};
    bool accepteConnexions_ = false;
    int nbJoueurs_ = 0;
    // The latest events sent (bounded), for the repetitions.
    std::vector<Envoi> envoyes_;
    std::unique_ptr<Minuterie> minuterie_;
    std::vector<std::unique_ptr<Connexion>> liens_;
    // Links dropped while a report is still running; destroyed once it returned.
    std::vector<std::unique_ptr<Connexion>> fermees_;
    int profondeur_ = 0;
    std::shared_ptr<bool> vivant_ = std::make_shared<bool>(true);
};
