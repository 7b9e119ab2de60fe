#include "net/qt/DPServer.h"

#include "net/EcoutesReunies.h"
#include "net/qt/EcouteSession.h"
#include "net/qt/EcouteTcp.h"

std::unique_ptr<Ecoute> DPServer::ecoutes(SessionEnet& session) {
    std::vector<std::unique_ptr<Ecoute>> deux;
    // TCP first: its port is the one a failure to listen names.
    deux.push_back(std::make_unique<EcouteTcp>());
    deux.push_back(std::make_unique<EcouteSession>(session));
    return std::make_unique<EcoutesReunies>(std::move(deux));
}

DPServer::DPServer(SessionEnet& session, ListeDesEvenements& liste, const OptionsDePartie& optionsDePartie,
                   FenetresReseau& fenetres, std::uint16_t port)
    : Server(ecoutes(session), port, liste, optionsDePartie, fenetres) {}
