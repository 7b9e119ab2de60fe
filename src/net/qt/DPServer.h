#pragma once

#include "net/Server.h"

class SessionEnet;

// The host's end of a session game: the clients of the session it hosts, and those that come by
// TCP on the port (4000 unless told otherwise) while its window is open, join the same game.
// Stopping it ends the session.
class DPServer : public Server {
public:
    DPServer(SessionEnet& session, ListeDesEvenements& liste, const OptionsDePartie& optionsDePartie,
             FenetresReseau& fenetres, std::uint16_t port = PORT);

    // Its listening end: TCP, then the session.
    static std::unique_ptr<Ecoute> ecoutes(SessionEnet& session);
};
