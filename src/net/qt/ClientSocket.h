#pragma once

#include "net/Client.h"

// The joining end on one TCP connection to the host's port (4000 unless told otherwise).
class ClientSocket : public Client {
public:
    ClientSocket(ListeDesEvenements& liste, FenetresReseau& fenetres, std::uint16_t port = PORT);
};
