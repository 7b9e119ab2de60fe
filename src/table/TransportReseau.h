#pragma once

#include <functional>
#include <memory>
#include <string>

class ListeDesEvenements;
class OptionsDePartie;

// The host's end of a network game, as the table sees it. The network layer, above the table,
// implements it; the table only starts it, forwards its events and stops it.
class TransportServeur {
public:
    virtual ~TransportServeur() = default;
    // Opens the game to clients and runs the composition of the teams, which adds the four
    // player registrations to the event list. 1 when the host confirmed the teams.
    virtual int demarre() = 0;
    virtual bool estConnecte() const = 0;
    virtual void arrete() = 0;
    // Every event the table processes, encoded; aRetenir when the table or a player of this
    // computer produced it.
    virtual void envoie(const std::string& texte, bool aRetenir) = 0;
};

// The joining end of a network game, as the table sees it.
class TransportClient {
public:
    virtual ~TransportClient() = default;
    // Starts connecting to the host; the game follows as the host's events arrive.
    virtual void connecte(const std::string& adresse) = 0;
    virtual bool estConnecte() const = 0;
    virtual void arrete() = 0;
    // The events of the table and of this computer's player, encoded.
    virtual void envoie(const std::string& texte) = 0;
};

// How the table gets its transports: the program installs the makers of the network layer it
// links (the table lies below that layer and cannot name it).
struct FabriqueDeTransports {
    using Serveur = std::function<std::unique_ptr<TransportServeur>(ListeDesEvenements&, const OptionsDePartie&)>;
    using Client = std::function<std::unique_ptr<TransportClient>(ListeDesEvenements&)>;
    // Over TCP.
    Serveur serveur;
    Client client;
    // Over the session of the local network that this computer hosts or joined.
    Serveur serveurSession{};
    Client clientSession{};
};
