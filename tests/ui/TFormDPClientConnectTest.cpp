// Finding, choosing and joining a session, and launching into one, on loopback with ports the
// system chooses. The search never leaves this computer: its destinations are the test's hosts.

#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>
#include <QTemporaryFile>
#include <QTest>
#include <QUdpSocket>

#include "platform/Exception.h"
#include "platform/PlateformeVirtuelle.h"
#include "platform/TableDesTextes.h"
#include "ui/DPConnect.h"
#include "ui/ReponseModale.h"
#include "ui/TFormDPClientConnect.h"
#include "ui/TFormJeuDeCartes.h"

namespace {

constexpr int PATIENCE_MS = 5000;

struct TFormDPClientConnectTest : ::testing::Test {
    PlateformeVirtuelle plateforme;
    SessionEnet anna, bob;
    int arriveesAnna = 0, arriveesBob = 0;

    void SetUp() override {
        ASSERT_TRUE(anna.heberge("Trumpwise anna", 0));
        ASSERT_TRUE(bob.heberge("Trumpwise bob", 0));
        QObject::connect(&anna, &SessionEnet::arrivee, [this] { ++arriveesAnna; });
        QObject::connect(&bob, &SessionEnet::arrivee, [this] { ++arriveesBob; });
        qputenv("TRUMPWISE_DECOUVERTE",
                QStringLiteral("127.0.0.1:%1,127.0.0.1:%2").arg(anna.port()).arg(bob.port()).toUtf8());
    }
    void TearDown() override { qunsetenv("TRUMPWISE_DECOUVERTE"); }
};

// A port on which nothing listens now.
std::uint16_t portLibre() {
    QUdpSocket socket;
    socket.bind(QHostAddress::LocalHost, 0);
    return socket.localPort();
}

}  // namespace

TEST_F(TFormDPClientConnectTest, OkWithNoLineSelectedJoinsTheFirstSessionListed) {
    DPConnect dp(nullptr);
    QStringList lignes;
    quandModalOuvert<TFormDPClientConnect>([&](TFormDPClientConnect& fenetre) {
        EXPECT_EQ(fenetre.windowTitle(), "DirectPlay Client Connect");
        ASSERT_TRUE(QTest::qWaitFor([&] { return fenetre.ListBoxServers->count() == 2; }, PATIENCE_MS));
        for (int i = 0; i < 2; ++i) lignes << fenetre.ListBoxServers->item(i)->text();
        fenetre.ButtonOk->click();
        // The window stays open, showing the joining, until the host has answered.
        EXPECT_FALSE(fenetre.ButtonOk->isEnabled());
        ASSERT_TRUE(QTest::qWaitFor([&] { return !fenetre.isVisible(); }, PATIENCE_MS));
    });
    EXPECT_EQ(dp.chercheEtRejoint(), 1);
    ASSERT_EQ(lignes.size(), 2);
    const bool annaEnTete = lignes[0].startsWith("Trumpwise anna ( 127.0.0.1:");
    EXPECT_TRUE(annaEnTete || lignes[0].startsWith("Trumpwise bob ( 127.0.0.1:")) << lignes[0].toStdString();
    EXPECT_EQ(dp.nomSession(), annaEnTete ? "Trumpwise anna" : "Trumpwise bob");
    EXPECT_TRUE(QTest::qWaitFor([&] { return arriveesAnna + arriveesBob == 1; }, PATIENCE_MS));
    EXPECT_EQ(annaEnTete ? arriveesAnna : arriveesBob, 1);
    EXPECT_TRUE(plateforme.boites.empty());
}

// A host is announced only once its server window is open: a client that searched too early
// asks again with "&Ok" and finds it.
TEST_F(TFormDPClientConnectTest, OkWithNothingListedSearchesAgain) {
    anna.rendDisponible(false);
    bob.rendDisponible(false);
    DPConnect dp(nullptr);
    bool fini = false;
    QObject::connect(&dp.chercheur(), &ChercheurDeSessions::termine, [&] { fini = true; });
    quandModalOuvert<TFormDPClientConnect>([&](TFormDPClientConnect& fenetre) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return fini; }, PATIENCE_MS));
        EXPECT_EQ(fenetre.ListBoxServers->count(), 0);
        anna.rendDisponible(true);
        fenetre.ButtonOk->click();
        ASSERT_TRUE(QTest::qWaitFor([&] { return fenetre.ListBoxServers->count() == 1; }, PATIENCE_MS));
        EXPECT_TRUE(fenetre.ListBoxServers->item(0)->text().startsWith("Trumpwise anna ( 127.0.0.1:"));
        fenetre.ButtonCancel->click();
    });
    EXPECT_EQ(dp.chercheEtRejoint(), -1);
    EXPECT_TRUE(plateforme.boites.empty());
}

TEST_F(TFormDPClientConnectTest, CancelJoinsNothing) {
    DPConnect dp(nullptr);
    quandModalOuvert<TFormDPClientConnect>([](TFormDPClientConnect& fenetre) { fenetre.ButtonCancel->click(); });
    EXPECT_EQ(dp.chercheEtRejoint(), -1);
    EXPECT_FALSE(dp.session().estOuverte());
}

TEST_F(TFormDPClientConnectTest, ALaunchHostsOrJoinsAsItSaysAndAnUnreadableOneIsAFailure) {
    DPConnect dp(nullptr);
    const std::uint16_t port = portLibre();
    EXPECT_EQ(dp.lanceParLobby(QStringLiteral("trumpwise:host?session=Jass%20du%20soir&address=:%1").arg(port)),
              DPConnect::Heberge);
    EXPECT_EQ(dp.session().port(), port);
    EXPECT_EQ(dp.nomSession(), "Jass du soir");

    QTemporaryFile fichier;
    ASSERT_TRUE(fichier.open());
    fichier.write(QStringLiteral("mode=join\nsession=Trumpwise bob\naddress=127.0.0.1:%1\n").arg(bob.port()).toUtf8());
    fichier.close();
    EXPECT_EQ(dp.lanceParLobby(fichier.fileName()), DPConnect::Rejoint);
    EXPECT_EQ(dp.nomSession(), "Trumpwise bob");
    EXPECT_TRUE(QTest::qWaitFor([&] { return arriveesBob == 1; }, PATIENCE_MS));

    for (const QString& illisible : {QString(), QStringLiteral("/nonexistent/launch"), QStringLiteral("trumpwise:watch")})
        EXPECT_EQ(dp.lanceParLobby(illisible), DPConnect::Echec);
    ASSERT_EQ(plateforme.boites.size(), 3u);
    EXPECT_EQ(plateforme.boites[0].texte, "Failed GetConnectionSettings");
    EXPECT_EQ(plateforme.boites[0].titre, "Trumpwise DirectPlay connection Error");
}

TEST_F(TFormDPClientConnectTest, AFailedLaunchStartsNoGameAndSaysTheConnectionFailed) {
    TFormJeuDeCartes fenetre({"trumpwise", "-MSN"});
    try {
        fenetre.timer_Timer();
        FAIL() << "a failed launch is an error";
    } catch (const Exception& erreur) {
        EXPECT_EQ(std::string(erreur.what()), "La connection DirectPlay a \xE9" "chou\xE9");
    }
    EXPECT_EQ(fenetre.table(), nullptr);
}

TEST_F(TFormDPClientConnectTest, AHostAlreadyOnThePortIsShownWithTheSystemsCode) {
    DPConnect dp(nullptr);
    EXPECT_FALSE(dp.heberge("pierre", anna.port()));
    ASSERT_EQ(plateforme.boites.size(), 1u);
    EXPECT_EQ(plateforme.boites[0].texte.rfind("Failed to host a new session:  0x", 0), 0u) << plateforme.boites[0].texte;
    EXPECT_TRUE(dp.heberge("pierre", portLibre()));
    EXPECT_EQ(dp.nomSession(), "Trumpwise pierre");
}
