#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "net/FenetresReseau.h"
#include "net/Lien.h"
#include "net/TamponDeReception.h"
#include "platform/Plateforme.h"
#include "rules/OptionsDuJoueur.h"
#include "table/TransportReseau.h"

class EvenementDeJeu;
class ListeDesEvenements;

// The joining end of a network game, over any carrier's outgoing link. It registers the player
// who sits at this computer, hands every event of the host to the local event list, and sends
// the events of the local player to the host, repeating them until the host's echo comes back:
// all those not echoed yet, since the player may act twice in a row (acknowledge the melds, then
// lead the first trick) and the host takes them only in order. It gives up only when the host has been silent for the whole of its repetitions:
// a host waiting for a slow player elsewhere still repeats itself every ten seconds.
class Client : public TransportClient, private Lien::Observateur {
public:
    static constexpr std::uint16_t PORT = 4000;
    static constexpr int PERIODE_REPETITION_MS = 2000;
    static constexpr int NB_REPETITIONS_MAXI = 10;

    Client(std::unique_ptr<LienSortant> lien, std::uint16_t port, ListeDesEvenements& liste, FenetresReseau& fenetres);
    ~Client() override;
    Client(const Client&) = delete;
    Client& operator=(const Client&) = delete;

    void connecte(const std::string& adresse) override;
    bool estConnecte() const override { return lien_->estOuvert(); }
    // Closes the link; the user is told the game cannot go on, as when the host closes it.
    void arrete() override;
    void envoie(const std::string& texte) override;

    const OptionsDuJoueur& optionsDuJoueur() const { return optionsDuJoueur_; }

private:
    void lienEtabli(Lien& lien) override;
    void recoit(Lien& lien, const std::string& octets) override;
    void lienFerme(Lien& lien) override;
    void erreurDeLien(Lien& lien, const std::string& message) override;

    void traiteRecu();
    void traiteMessage(const std::string& message);
    bool estDejaConsomme(const EvenementDeJeu& evenement) const;
    // The host broke the protocol: the box, then the link is closed.
    void rejette(const std::string& texte, const std::string& titre);
    void connexionPerdue();
    void repete();

    std::unique_ptr<LienSortant> lien_;
    std::uint16_t port_;
    ListeDesEvenements& listeDesEvenements_;
    FenetresReseau& fenetres_;
    OptionsDuJoueur optionsDuJoueur_;
    std::string adresse_;
    TamponDeReception tampon_;
    // The local player's events the host has not echoed yet, oldest first.
    std::vector<std::string> sansEcho_;
    std::unique_ptr<Minuterie> minuterie_;
    int nbRepetitions_ = 0;
    bool enTraitement_ = false;
    std::shared_ptr<bool> vivant_ = std::make_shared<bool>(true);
};
