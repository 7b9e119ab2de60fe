// Whole games over the session carrier on loopback: the host's session and one per client, each
// with its own table, ports chosen by the system. The host's server listens on the session and on
// TCP at once, as a session game's host does.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include "net/PartieEnReseau.h"
#include "net/qt/DPServer.h"
#include "net/qt/EcouteSession.h"
#include "net/qt/LienSession.h"
#include "net/qt/SessionEnet.h"
#include "platform/Exception.h"
#include "support/Separateur.h"

namespace {

// Joining and leaving take milliseconds on loopback; this only bounds a broken run.
constexpr int PATIENCE_MS = 10000;

// The host's session and the clients' ones, joined as their tables start; part of the incoming
// datagrams of each can be dropped.
struct Sessions {
    explicit Sessions(double partPerdue = 0) : partPerdue(partPerdue) {
        hote.perdDesDatagrammes(partPerdue, 1);
        EXPECT_TRUE(hote.heberge("Trumpwise test", 0));
        // As the program hosts it: closed to clients until the server's window opens it.
        hote.rendDisponible(false);
    }

    Porteur porteur() {
        return {[this] { return DPServer::ecoutes(hote); },
                [this] {
                    auto& client = clients.emplace_back(std::make_unique<SessionEnet>());
                    client->perdDesDatagrammes(partPerdue, static_cast<std::uint32_t>(clients.size() + 1));
                    EXPECT_TRUE(client->rejoint("127.0.0.1", hote.port()));
                    EXPECT_TRUE(QTest::qWaitFor([&] { return !client->participants().empty(); }, PATIENCE_MS));
                    return std::make_unique<LienSession>(*client);
                },
                [this] { pompe(); },
                OptionsDePartie::ServeurDirectPlay,
                OptionsDePartie::ClientDirectPlay};
    }

    // The virtual clock stands still while a message is on its way: the network is fast beside
    // the players, whatever it lost.
    void pompe() {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        const QDeadlineTimer borne(PATIENCE_MS);
        while (enCours() && !borne.hasExpired()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    bool enCours() const {
        if (hote.aDesEnvoisEnCours()) return true;
        return std::any_of(clients.begin(), clients.end(), [](const auto& c) { return c->aDesEnvoisEnCours(); });
    }

    std::size_t nbPerdus() const {
        std::size_t n = hote.nbDatagrammesPerdus();
        for (const auto& client : clients) n += client->nbDatagrammesPerdus();
        return n;
    }

    double partPerdue;
    SessionEnet hote;
    std::vector<std::unique_ptr<SessionEnet>> clients;
};

std::size_t nbBoites(const PlateformeFactice& plateforme, const std::string& titre) {
    return static_cast<std::size_t>(std::count_if(plateforme.boites.begin(), plateforme.boites.end(),
                                                  [&](const auto& boite) { return boite.titre == titre; }));
}

// No box but the host's offer of another game at the end.
void attendsLaSeuleOffreDUneAutrePartie(const PlateformeFactice& plateforme) {
    ASSERT_EQ(plateforme.boites.size(), 1u) << plateforme.boites.back().texte;
    EXPECT_EQ(plateforme.boites[0].genre, "question");
}

}  // namespace

// Three clients join the session and play a whole game; every table ends with the host's events
// and scores. While the server's window is open a fourth computer registers by TCP on the same
// server; once the teams are made, a newcomer to the session is sent away.
TEST(PartieSession, AHostAndThreeClientsPlayAWholeGameOverTheSession) {
    Sessions sessions;
    PartieEnReseau partie(3, 1, sessions.porteur());
    partie.autresInscriptions = 1;
    QTcpSocket parTcp;
    const auto compose = partie.hote->compose;
    partie.hote->compose = [&](CompositionDesEquipes& composition) {
        EXPECT_TRUE(sessions.hote.estDisponible());
        parTcp.connectToHost(QHostAddress::LocalHost, partie.hote->server->port());
        EXPECT_TRUE(parTcp.waitForConnected(PATIENCE_MS));
        parTcp.write(b("{Message_v3.1|{1|1|ParTcp|1|0|0|2|999|}|4|100|}").c_str());
        EXPECT_TRUE(QTest::qWaitFor([&] { return partie.hote->server->nbJoueurs() == 1; }, PATIENCE_MS));
        return compose(composition);
    };
    partie.demarre();
    ASSERT_EQ(partie.hote->server->nbJoueurs(), 4);

    SessionEnet retardataire;
    ASSERT_TRUE(retardataire.rejoint("127.0.0.1", sessions.hote.port()));
    std::vector<SessionEnet::Depart> departs;
    QObject::connect(&retardataire, &SessionEnet::depart,
                     [&](SessionEnet::Participant, SessionEnet::Depart raison) { departs.push_back(raison); });
    partie.joueJusquALaFin();

    attendsDesTablesEgales(partie);
    EXPECT_EQ(partie.hote->server->nbJoueurs(), 4);
    EXPECT_EQ(departs, std::vector<SessionEnet::Depart>{SessionEnet::Depart::Renvoye});
    EXPECT_EQ(sessions.nbPerdus(), 0u);
    attendsLaSeuleOffreDUneAutrePartie(partie.plateforme);
}

// Lost datagrams are sent again by the session's reliable channel: the game completes with
// every table equal.
TEST(PartieSession, AGameCompletesWhenFivePercentOfTheDatagramsAreLost) {
    Sessions sessions(0.05);
    PartieEnReseau partie(3, 2, sessions.porteur());
    partie.demarre();
    partie.joueJusquALaFin();

    attendsDesTablesEgales(partie);
    EXPECT_GT(sessions.nbPerdus(), 100u);
    attendsLaSeuleOffreDUneAutrePartie(partie.plateforme);
}

// A client vanishing mid-game ends the game as a lost link does: the host is told, ends the
// session, and so tells the other clients at once; the host keeps all that was played.
TEST(PartieSession, ADepartureEndsTheGameOnEveryTableAsALostLinkDoes) {
    Sessions sessions;
    PartieEnReseau partie(3, 3, sessions.porteur());
    partie.demarre();
    for (int garde = 0; garde < 200000 && partie.hote->enregistrement.size() < 40; ++garde) partie.avance(5);
    ASSERT_GE(partie.hote->enregistrement.size(), 40u);
    const auto joue = partie.hote->table.listeDesEvenements().enregistrement();

    sessions.clients[0]->ferme();
    ASSERT_TRUE(QTest::qWaitFor([&] { return nbBoites(partie.plateforme, "Connection interrompue.") == 3; },
                                PATIENCE_MS));
    EXPECT_EQ(partie.plateforme.boites.size(), 3u);
    EXPECT_NE(partie.plateforme.boites[0].texte.find("avec un joueur"), std::string::npos);
    for (std::size_t i : {1u, 2u}) EXPECT_NE(partie.plateforme.boites[i].texte.find("avec le serveur"), std::string::npos);
    EXPECT_EQ(partie.hote->retoursMenusLocaux, 1);
    EXPECT_EQ(partie.clients[0]->retoursMenusLocaux, 0);
    for (std::size_t i : {1u, 2u}) EXPECT_EQ(partie.clients[i]->retoursMenusLocaux, 1);
    EXPECT_FALSE(sessions.hote.estOuverte());
    EXPECT_EQ(partie.hote->table.listeDesEvenements().enregistrement(), joue);
}

// A session host listens on both carriers or on neither: without a hosted session its TCP port is
// closed again, and a TCP port held elsewhere leaves the session closed to clients.
TEST(PartieSession, AHostThatCannotListenOnBothCarriersListensOnNeither) {
    SessionEnet pasHebergee;
    const auto sansSession = DPServer::ecoutes(pasHebergee);
    EXPECT_THROW(sansSession->ouvre(0), Exception);
    EXPECT_FALSE(sansSession->estOuverte());
    EXPECT_EQ(sansSession->port(), 0);

    Sessions sessions;
    QTcpServer occupe;
    ASSERT_TRUE(occupe.listen(QHostAddress::Any, 0));
    const auto portPris = DPServer::ecoutes(sessions.hote);
    EXPECT_THROW(portPris->ouvre(occupe.serverPort()), Exception);
    EXPECT_FALSE(portPris->estOuverte());
    EXPECT_TRUE(sessions.hote.estOuverte());
    EXPECT_FALSE(sessions.hote.estDisponible());
}

namespace {

// What a link reported, in order.
struct Observateur : Lien::Observateur {
    void lienEtabli(Lien&) override { ++etablis; }
    void recoit(Lien&, const std::string& octets) override { recus.push_back(octets); }
    void lienFerme(Lien&) override { ++fermes; }
    void erreurDeLien(Lien&, const std::string& message) override { erreurs.push_back(message); }
    int etablis = 0;
    std::vector<std::string> recus;
    int fermes = 0;
    std::vector<std::string> erreurs;
};

struct Ecoutant : Ecoute::Observateur {
    void nouveauLien(std::unique_ptr<Lien> lien) override { liens.push_back(std::move(lien)); }
    std::vector<std::unique_ptr<Lien>> liens;
};

}  // namespace

// A send the session refuses is shown in the session error box once the caller returned; a
// client link with no session joined fails with the session's text.
TEST(PartieSession, AFailedSendAndAJoinWithoutSessionAreShownInTheSessionsWords) {
    PlateformeFactice plateforme;
    Sessions sessions;
    EcouteSession ecoute(sessions.hote);
    Ecoutant ecoutant;
    ecoute.setObservateur(&ecoutant);
    ecoute.ouvre(0);
    SessionEnet session;
    ASSERT_TRUE(session.rejoint("127.0.0.1", sessions.hote.port()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !session.participants().empty() && !ecoutant.liens.empty(); }, PATIENCE_MS));
    LienSession lien(session);
    Observateur observateur;
    lien.setObservateur(&observateur);
    lien.connecte("", 0);
    EXPECT_EQ(observateur.etablis, 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return observateur.etablis == 1; }, PATIENCE_MS));

    lien.envoie(std::string(SessionEnet::TAILLE_MESSAGE_MAXI + 1, 'x'));
    EXPECT_TRUE(plateforme.boites.empty());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !plateforme.boites.empty(); }, PATIENCE_MS));
    EXPECT_EQ(plateforme.boites[0].titre, "Trumpwise DirectPlay connection Error");
    EXPECT_EQ(plateforme.boites[0].texte, "Failed Sending Data");
    EXPECT_TRUE(lien.estOuvert());

    SessionEnet seule;
    LienSession sansHote(seule);
    Observateur refuse;
    sansHote.setObservateur(&refuse);
    sansHote.connecte("", 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !refuse.erreurs.empty(); }, PATIENCE_MS));
    EXPECT_EQ(refuse.erreurs, std::vector<std::string>{"Failed Connecting to Host"});
    EXPECT_FALSE(sansHote.estOuvert());
}
