#include "net/qt/ClientSocket.h"

#include "net/qt/LienTcp.h"

ClientSocket::ClientSocket(ListeDesEvenements& liste, FenetresReseau& fenetres, std::uint16_t port)
    : Client(std::make_unique<LienTcp>(), port, liste, fenetres) {}
