#include "net/qt/ServerSocket.h"

#include "net/qt/EcouteTcp.h"

ServerSocket::ServerSocket(ListeDesEvenements& liste, const OptionsDePartie& optionsDePartie,
                           FenetresReseau& fenetres, std::uint16_t port)
    : Server(std::make_unique<EcouteTcp>(), port, liste, optionsDePartie, fenetres) {}
