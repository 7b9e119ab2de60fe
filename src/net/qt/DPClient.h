#pragma once

#include "net/Client.h"

class SessionEnet;

// The joining end of a session game, over the session this computer joined beforehand; the
// host's port is only named in the messages of a failure.
class DPClient : public Client {
public:
    DPClient(SessionEnet& session, std::uint16_t portHote, ListeDesEvenements& liste, FenetresReseau& fenetres);
};
