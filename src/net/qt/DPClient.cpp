#include "net/qt/DPClient.h"

#include "net/qt/LienSession.h"

DPClient::DPClient(SessionEnet& session, std::uint16_t portHote, ListeDesEvenements& liste, FenetresReseau& fenetres)
    : Client(std::make_unique<LienSession>(session), portHote, liste, fenetres) {}
