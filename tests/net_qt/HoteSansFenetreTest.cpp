#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QProcess>
#include <QRegularExpression>
#include <fstream>

#include "net/PartieEnReseau.h"
#include "net/qt/LienTcp.h"

// The headless host, a process of its own, on a port the system chose: three clients of this
// process join, it gives them seats 0 to 2 in the order they registered and its computer player
// seat 3, plays the game to its end without the minimum decision time, saves it and exits; each
// client's table ends with the events of the saved game.
TEST(HoteSansFenetre, HostsAWholeGameForThreeClientsAndSavesIt) {
    const std::string fichier = testing::TempDir() + "hote-sans-fenetre.jss";
    std::remove(fichier.c_str());
    QProcess hote;
    hote.start(QStringLiteral(TRUMPWISE_HOTE), {"--port", "0", "--distants", "3", "--niveau", "0", "--sans-delai",
                                               "--fichier", QString::fromStdString(fichier)});
    ASSERT_TRUE(hote.waitForStarted(10000));
    QString sortie;
    int port = 0;
    for (int garde = 0; garde < 1000 && port == 0; ++garde) {
        hote.waitForReadyRead(10);
        sortie += QString::fromLocal8Bit(hote.readAllStandardOutput());
        const auto trouve = QRegularExpression(QStringLiteral("Listening on port (\\d+)")).match(sortie);
        if (trouve.hasMatch()) port = trouve.captured(1).toInt();
    }
    ASSERT_NE(port, 0) << sortie.toStdString();

    // The clients' virtual clock keeps pace with the host's: twenty times the real one.
    PartieEnReseau partie(0);
    QElapsedTimer montre;
    montre.start();
    const auto attends = [&] {
        QEventLoop boucle;
        QTimer::singleShot(2, &boucle, &QEventLoop::quit);
        boucle.exec();
        partie.plateforme.avance(static_cast<int>(montre.restart()) * 20);
    };
    std::vector<std::unique_ptr<Poste>> clients;
    for (int i = 0; i < 3; ++i) {
        clients.push_back(std::make_unique<Poste>(joueurOrdinateur(std::string("C").append(std::to_string(i + 1)), 300 + i)));
        Poste& client = *clients.back();
        client.table.setTransports({{}, [&client, port](ListeDesEvenements& liste) {
                                        return std::make_unique<Client>(std::make_unique<LienTcp>(),
                                                                        static_cast<std::uint16_t>(port), liste, client);
                                    }});
        client.table.commencePartie(Table::NouvellePartie, OptionsDePartie::ClientTCP, "127.0.0.1");
        // Registered one after the other, so the seats follow this order.
        for (int garde = 0; garde < 50; ++garde) attends();
    }
    for (int garde = 0; garde < 100000 && hote.state() != QProcess::NotRunning; ++garde) {
        attends();
        sortie += QString::fromLocal8Bit(hote.readAllStandardOutput());
    }
    ASSERT_EQ(hote.state(), QProcess::NotRunning);
    EXPECT_EQ(hote.exitCode(), 0) << hote.readAllStandardError().toStdString();
    EXPECT_TRUE(sortie.contains(QStringLiteral("Seat 0: C1"))) << sortie.toStdString();
    EXPECT_TRUE(sortie.contains(QStringLiteral("Seat 2: C3")));

    std::ifstream sauve(fichier, std::ios::binary);
    std::vector<std::string> lignes;
    for (std::string ligne; std::getline(sauve, ligne);) lignes.push_back(ligne.substr(0, ligne.size() - 1));
    ASSERT_GT(lignes.size(), 50u);
    for (const auto& client : clients) EXPECT_EQ(sansInscriptions(client->enregistrement), sansInscriptions(lignes));
    EXPECT_EQ(partie.plateforme.boites.size(), 3u);  // each client: the host closed the link at the end
}
