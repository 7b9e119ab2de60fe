#pragma once

#include "net/Server.h"

// The host's end on a listening TCP socket (port 4000 unless told otherwise).
class ServerSocket : public Server {
public:
    ServerSocket(ListeDesEvenements& liste, const OptionsDePartie& optionsDePartie, FenetresReseau& fenetres,
                 std::uint16_t port = PORT);
};
