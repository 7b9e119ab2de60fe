#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "events/Statistiques.h"
#include "net/Client.h"
#include "net/FenetresReseau.h"
#include "net/ReseauEnMemoire.h"
#include "net/Server.h"
#include "players/FabriqueDeJoueurs.h"
#include "support/PlateformeFactice.h"
#include "table/Table.h"

// One computer of a network game in the test: its table, its player and its windows, which
// answer at once. The team composition is left to the test.
struct Poste : FenetresReseau {
    explicit Poste(OptionsDuJoueur joueurDuPoste);

    int optionsDuJoueur(OptionsDuJoueur& options) override;
    int composeEquipes(CompositionDesEquipes& composition) override;
    void montreProgression(bool montre) override { progression = montre; }
    void menusLocaux() override { ++retoursMenusLocaux; }

    OptionsDuJoueur joueur;
    std::function<int(CompositionDesEquipes&)> compose;
    bool progression = false;
    int retoursMenusLocaux = 0;
    Statistiques statistiques;
    Table table{statistiques};
    // The record and the score as they stood last, kept when a client's table starts over.
    std::vector<std::string> enregistrement;
    std::array<int, 2> score{};
    Server* server = nullptr;
    Client* client = nullptr;
};

// A record of a computer player with the given identifier, as a client registers it.
OptionsDuJoueur joueurOrdinateur(const std::string& nom, std::int32_t identifiant, int niveau = 0);

// What carries the game: the in-memory network unless a test gives real sockets, with what lets
// their events in (the event loop of the sockets) before each step of the virtual clock.
struct Porteur {
    std::function<std::unique_ptr<Ecoute>()> ecoute;
    std::function<std::unique_ptr<LienSortant>()> lien;
    std::function<void()> pompe;
    // The modes the tables start in; the session's are built by the same makers.
    OptionsDePartie::Connection connectionHote = OptionsDePartie::ServeurTCP;
    OptionsDePartie::Connection connectionClient = OptionsDePartie::ClientTCP;
};

// A host and its clients, every player a computer player of level 0.
class PartieEnReseau {
public:
    explicit PartieEnReseau(int nbClients, unsigned graine = 1, Porteur porteur = {});
    ~PartieEnReseau();

    // The host opens the game; inside its server window the clients join, and the seats are
    // given in order: the host, then the clients, then the host's computer players.
    void demarre();
    // Lets the virtual clock run until the host's game is over (or the limit).
    void joueJusquALaFin(int limiteMs = 4 * 3600 * 1000);
    // Lets the carrier's events in, then moves the virtual clock.
    void avance(int ms);
    bool hoteAFini() const { return hote->table.etatJeu() == EvenementDeJeu::Vide_Avant_NouvellePartie; }
    // The seat given to each player, by the start of its name; filled by demarre.
    std::array<std::string, 4> placement{"Hote", "C1", "C2", "C3"};
    // Registrations the test makes itself, besides the clients'.
    int autresInscriptions = 0;

    PlateformeFactice plateforme;
    ReseauEnMemoire reseau;
    std::unique_ptr<Poste> hote;
    std::vector<std::unique_ptr<Poste>> clients;

private:
    Porteur porteur_;
    int composeEnOrdre(CompositionDesEquipes& composition);
    FabriqueJoueur fabriquePrecedente_;
};

// The host finished its game and every client's table released the same events and ends with
// the same scores.
void attendsDesTablesEgales(const PartieEnReseau& partie);

// The records of two tables that must match: the registrations differ only in which seats are
// remote, so they are left out.
std::vector<std::string> sansInscriptions(const std::vector<std::string>& enregistrement);
