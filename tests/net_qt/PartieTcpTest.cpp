#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QHostAddress>
#include <QTcpSocket>

#include "net/PartieEnReseau.h"
#include "net/TamponDeReception.h"
#include "net/qt/EcouteTcp.h"
#include "net/qt/LienTcp.h"
#include "support/Separateur.h"

namespace {

Porteur tcp() {
    return {[] { return std::make_unique<EcouteTcp>(); }, [] { return std::make_unique<LienTcp>(); },
            [] { QCoreApplication::processEvents(QEventLoop::AllEvents, 1); }};
}

std::vector<std::string> messagesDe(const std::string& flux) {
    TamponDeReception tampon;
    tampon.ajoute(flux);
    std::vector<std::string> messages;
    while (auto message = tampon.suivant()) messages.push_back(*message);
    return messages;
}

}  // namespace

// A host and three clients, each with its own table, play a whole game over TCP on 127.0.0.1
// (the host on a port the system chose). A watcher on a raw socket registers like any client and
// sees the wire: one encoded event per message, Windows-1252 text, braces and 0xA6, "_v3.1"
// names; its registration is numbered 100. Every table ends with the host's events and scores.
TEST(PartieTcp, AHostAndThreeClientsPlayAWholeGameOverTcp) {
    PartieEnReseau partie(3, 1, tcp());
    partie.autresInscriptions = 1;
    partie.clients[1]->joueur = joueurOrdinateur("Zo\xE9", 101);
    partie.placement = {"Hote", "C1", "Zo\xE9", "C3"};
    QTcpSocket spectateur;
    std::string vu;
    QObject::connect(&spectateur, &QTcpSocket::readyRead, [&] { vu += spectateur.readAll().toStdString(); });
    const auto compose = partie.hote->compose;
    partie.hote->compose = [&](CompositionDesEquipes& composition) {
        spectateur.connectToHost(QHostAddress::LocalHost, partie.hote->server->port());
        for (int garde = 0; garde < 2000 && spectateur.state() != QAbstractSocket::ConnectedState; ++garde)
            partie.avance(1);
        spectateur.write(b("{Message_v3.1|{1|1|Spectateur|1|0|0|2|999|}|4|100|}").c_str());
        for (int garde = 0; garde < 2000 && partie.hote->server->nbJoueurs() < 1; ++garde) partie.avance(1);
        return compose(composition);
    };
    partie.demarre();
    partie.joueJusquALaFin();

    attendsDesTablesEgales(partie);
    EXPECT_EQ(partie.hote->server->nbJoueurs(), 4);

    const std::vector<std::string> messages = messagesDe(vu);
    for (const std::string& message : messages) {
        EXPECT_EQ(message.front(), '{');
        EXPECT_EQ(message.back(), '}');
        EXPECT_NE(message.find(b("_v3.1|")), std::string::npos) << message;
    }
    // Every event the host recorded went out, in its order.
    std::size_t position = 0;
    for (std::size_t ligne = 1; ligne < partie.hote->enregistrement.size(); ++ligne) {
        const auto trouve = std::find(messages.begin() + static_cast<std::ptrdiff_t>(position), messages.end(),
                                      partie.hote->enregistrement[ligne]);
        ASSERT_NE(trouve, messages.end()) << partie.hote->enregistrement[ligne];
        position = static_cast<std::size_t>(trouve - messages.begin());
    }
    EXPECT_NE(vu.find(b("|Zo\xE9|")), std::string::npos);  // the name as its Windows-1252 bytes
}

// A client that cannot reach its host is told so, and its menus come back.
TEST(PartieTcp, AClientWithoutHostGetsTheConnectionError) {
    PartieEnReseau partie(0, 1, tcp());
    Poste client(joueurOrdinateur("Seul", 5));
    client.table.setTransports({{}, [&](ListeDesEvenements& liste) {
                                    return std::make_unique<Client>(std::make_unique<LienTcp>(), 1, liste, client);
                                }});
    client.table.commencePartie(Table::NouvellePartie, OptionsDePartie::ClientTCP, "not.an.ip");
    for (int garde = 0; garde < 200 && partie.plateforme.boites.empty(); ++garde) partie.avance(1);
    ASSERT_EQ(partie.plateforme.boites.size(), 1u);
    EXPECT_EQ(partie.plateforme.boites[0].genre, "erreur");
    EXPECT_NE(partie.plateforme.boites[0].texte.find("Erreur de connection client."), std::string::npos);
    EXPECT_EQ(client.retoursMenusLocaux, 1);
    EXPECT_FALSE(client.progression);
}
