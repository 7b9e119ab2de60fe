// The session carrier and its discovery on loopback, with ports the system chooses.

#include <gtest/gtest.h>

#include <QTest>
#include <QNetworkDatagram>
#include <QUdpSocket>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "net/qt/ChercheurDeSessions.h"
#include "net/qt/SessionEnet.h"

namespace {

constexpr int PATIENCE_MS = 5000;

// What one end of a session reported, in order.
struct Releve {
    std::vector<SessionEnet::Participant> arrivees;
    std::map<SessionEnet::Participant, std::vector<std::string>> recus;
    std::vector<std::pair<SessionEnet::Participant, SessionEnet::Depart>> departs;
    int echecs = 0;

    explicit Releve(SessionEnet& session) {
        QObject::connect(&session, &SessionEnet::arrivee, [this](auto p) { arrivees.push_back(p); });
        QObject::connect(&session, &SessionEnet::recu, [this](auto p, const std::string& o) { recus[p].push_back(o); });
        QObject::connect(&session, &SessionEnet::depart, [this](auto p, auto r) { departs.emplace_back(p, r); });
        QObject::connect(&session, &SessionEnet::echecDeConnexion, [this] { ++echecs; });
    }
    std::size_t nbRecus() const {
        std::size_t n = 0;
        for (const auto& [p, messages] : recus) n += messages.size();
        return n;
    }
};

// A host and clients joined to it on loopback.
struct SessionDeQuatre {
    SessionEnet hote;
    Releve releveHote{hote};
    SessionEnet clients[3];
    std::vector<std::unique_ptr<Releve>> releves;

    SessionDeQuatre() {
        EXPECT_TRUE(hote.heberge("Trumpwise test", 0));
        for (SessionEnet& client : clients) {
            releves.push_back(std::make_unique<Releve>(client));
            EXPECT_TRUE(client.rejoint("127.0.0.1", hote.port()));
        }
        EXPECT_TRUE(QTest::qWaitFor([&] { return releveHote.arrivees.size() == 3 && joints(); }, PATIENCE_MS));
    }
    bool joints() const {
        for (const auto& r : releves)
            if (r->arrivees.size() != 1) return false;
        return true;
    }
};

}  // namespace

TEST(SessionEnet, TwoHostsAnsweringEveryAttemptAreListedOnceEachAndStrangersAreIgnored) {
    SessionEnet premier, second;
    ASSERT_TRUE(premier.heberge("Trumpwise anna", 0));
    ASSERT_TRUE(second.heberge("", 0));
    QUdpSocket etranger;
    ASSERT_TRUE(etranger.bind(QHostAddress::LocalHost, 0));
    QObject::connect(&etranger, &QUdpSocket::readyRead, [&] {
        while (etranger.hasPendingDatagrams()) {
            const QNetworkDatagram d = etranger.receiveDatagram();
            etranger.writeDatagram("TRUMPWISE/1 ! zz\n", d.senderAddress(), d.senderPort());
        }
    });
    const QHostAddress local(QHostAddress::LocalHost);
    // The first host is asked twice per attempt: its answers come eight times.
    ChercheurDeSessions chercheur({{local, premier.port()}, {local, second.port()}, {local, premier.port()},
                                   {local, etranger.localPort()}},
                                  20);
    std::vector<int> tentatives;
    bool fini = false;
    QObject::connect(&chercheur, &ChercheurDeSessions::tentative, [&](int n) { tentatives.push_back(n); });
    QObject::connect(&chercheur, &ChercheurDeSessions::termine, [&] { fini = true; });
    ASSERT_TRUE(chercheur.cherche());
    ASSERT_TRUE(QTest::qWaitFor([&] { return fini; }, PATIENCE_MS));

    EXPECT_EQ(tentatives, (std::vector<int>{1, 2, 3, 4}));
    const auto lignes = chercheur.sessions().lignes("<unnamed>");
    ASSERT_EQ(lignes.size(), 2u);
    const std::string attendues[] = {"Trumpwise anna ( 127.0.0.1:" + std::to_string(premier.port()) + " )",
                                     "<unnamed> ( 127.0.0.1:" + std::to_string(second.port()) + " )"};
    for (const std::string& attendue : attendues)
        EXPECT_NE(std::find(lignes.begin(), lignes.end(), attendue), lignes.end()) << attendue;
}

TEST(SessionEnet, MessagesOfAnyLengthArriveWholeAndInOrderBothWays) {
    SessionDeQuatre session;
    const std::string record = "{Message_v3.1\xA6{1\xA6" + std::string(400, 'P') + "\xA6}\xA6" "4\xA6" "100\xA6}";
    const std::string long_(200000, '\xA6');
    EXPECT_TRUE(session.clients[0].envoieATous(record));
    EXPECT_TRUE(session.clients[0].envoieATous(long_));
    EXPECT_TRUE(session.hote.envoieATous(record));
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return session.releveHote.nbRecus() == 2 && session.releves[1]->nbRecus() == 1 && session.releves[2]->nbRecus() == 1;
    }, PATIENCE_MS));
    const auto& duClient = session.releveHote.recus.begin()->second;
    EXPECT_EQ(duClient, (std::vector<std::string>{record, long_}));
    EXPECT_EQ(session.releves[2]->recus.begin()->second, std::vector<std::string>{record});
    EXPECT_FALSE(session.hote.envoieATous(std::string(SessionEnet::TAILLE_MESSAGE_MAXI + 1, 'x')));
}

TEST(SessionEnet, DeparturesSayWhetherAClientLeftWasRemovedOrTheSessionEnded) {
    SessionDeQuatre session;
    const SessionEnet::Participant partant = session.releveHote.arrivees[0];
    // Participants are numbered in order of arrival; which client arrived first is the network's choice.
    session.clients[0].ferme();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !session.releveHote.departs.empty(); }, PATIENCE_MS));
    EXPECT_EQ(session.releveHote.departs[0].second, SessionEnet::Depart::Perdu);
    EXPECT_EQ(session.releves[0]->departs.size(), 0u);

    const SessionEnet::Participant renvoye = session.releveHote.departs[0].first == partant
                                                 ? session.releveHote.arrivees[1] : partant;
    session.hote.renvoie(renvoye);
    EXPECT_FALSE(session.hote.envoie(renvoye, "x"));
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return session.releves[1]->departs.size() + session.releves[2]->departs.size() == 1;
    }, PATIENCE_MS));
    session.hote.ferme();
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return session.releves[1]->departs.size() + session.releves[2]->departs.size() == 2;
    }, PATIENCE_MS));
    std::vector<SessionEnet::Depart> raisons;
    for (int i : {1, 2}) raisons.push_back(session.releves[i]->departs[0].second);
    std::sort(raisons.begin(), raisons.end());
    EXPECT_EQ(raisons, (std::vector<SessionEnet::Depart>{SessionEnet::Depart::Renvoye, SessionEnet::Depart::SessionTerminee}));
}

TEST(SessionEnet, JoiningNobodyFailsAndANameIsNotLookedUp) {
    SessionEnet client;
    Releve releve(client);
    EXPECT_FALSE(client.rejoint("jass.local", 4001));
    EXPECT_FALSE(client.estOuverte());
    QUdpSocket muet;
    ASSERT_TRUE(muet.bind(QHostAddress::LocalHost, 0));
    ASSERT_TRUE(client.rejoint("127.0.0.1", muet.localPort(), 200));
    ASSERT_TRUE(QTest::qWaitFor([&] { return releve.echecs == 1; }, PATIENCE_MS));
    EXPECT_TRUE(releve.arrivees.empty());
}

TEST(SessionEnet, EveryMessageArrivesInOrderWhenFivePercentOfTheDatagramsAreLost) {
    SessionEnet hote, client;
    Releve releveHote(hote), releveClient(client);
    hote.perdDesDatagrammes(0.05, 11);
    client.perdDesDatagrammes(0.05, 12);
    ASSERT_TRUE(hote.heberge("perte", 0));
    ASSERT_TRUE(client.rejoint("127.0.0.1", hote.port()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return releveClient.arrivees.size() == 1; }, 3 * PATIENCE_MS));
    // The host echoes every message, as a game's host does.
    QObject::connect(&hote, &SessionEnet::recu, [&](auto p, const std::string& o) { hote.envoie(p, o); });
    std::vector<std::string> envoyes;
    for (int i = 0; i < 300; ++i) {
        envoyes.push_back("{AjouteCarte_v3.1\xA6" + std::to_string(i) + "\xA6}");
        client.envoieATous(envoyes.back());
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return releveClient.nbRecus() == envoyes.size(); }, 6 * PATIENCE_MS));
    EXPECT_EQ(releveClient.recus.begin()->second, envoyes);
    EXPECT_GT(hote.nbDatagrammesPerdus() + client.nbDatagrammesPerdus(), 10u);
}

TEST(SessionEnet, AnUnavailableHostAnswersNoQueryAndSendsJoinersAway) {
    SessionEnet hote, client;
    Releve releveHote(hote), releveClient(client);
    ASSERT_TRUE(hote.heberge("Trumpwise ferme", 0));
    hote.rendDisponible(false);
    ChercheurDeSessions chercheur({{QHostAddress(QHostAddress::LocalHost), hote.port()}}, 20);
    bool fini = false;
    QObject::connect(&chercheur, &ChercheurDeSessions::termine, [&] { fini = true; });
    ASSERT_TRUE(chercheur.cherche());
    ASSERT_TRUE(QTest::qWaitFor([&] { return fini; }, PATIENCE_MS));
    EXPECT_TRUE(chercheur.sessions().estVide());

    ASSERT_TRUE(client.rejoint("127.0.0.1", hote.port()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !releveClient.departs.empty() || releveClient.echecs > 0; }, PATIENCE_MS));
    EXPECT_TRUE(releveHote.arrivees.empty());
    EXPECT_TRUE(hote.participants().empty());

    hote.rendDisponible(true);
    ASSERT_TRUE(client.rejoint("127.0.0.1", hote.port()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return releveHote.arrivees.size() == 1; }, PATIENCE_MS));
    EXPECT_EQ(hote.participants(), releveHote.arrivees);
}
