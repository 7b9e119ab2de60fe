#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QHostAddress>
#include <QTcpSocket>

#include <memory>
#include <string>

#include "net/qt/EcouteTcp.h"
#include "net/qt/LienTcp.h"

namespace {

// The host's end of one connection, with what it reported.
struct BoutAccepte : Ecoute::Observateur, Lien::Observateur {
    std::unique_ptr<Lien> lien;
    int fermetures = 0;
    void nouveauLien(std::unique_ptr<Lien> nouveau) override {
        lien = std::move(nouveau);
        lien->setObservateur(this);
    }
    void recoit(Lien&, const std::string&) override {}
    void lienFerme(Lien&) override { ++fermetures; }
    void erreurDeLien(Lien&, const std::string&) override {}
};

template <typename Condition>
void attends(Condition condition) {
    for (int garde = 0; garde < 5000 && !condition(); ++garde)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
}

// A peer on a raw socket that reads only when asked to: a host's link towards it.
class LienTcpTest : public ::testing::Test {
protected:
    void SetUp() override {
        ecoute_.setObservateur(&bout_);
        ecoute_.ouvre(0);
        pair_.connectToHost(QHostAddress::LocalHost, ecoute_.port());
        attends([&] { return bout_.lien != nullptr; });
        ASSERT_NE(bout_.lien, nullptr);
    }

    EcouteTcp ecoute_;
    BoutAccepte bout_;
    QTcpSocket pair_;
};

}  // namespace

// What waits to be sent stays below the bound: everything arrives and the link stays open.
TEST_F(LienTcpTest, WhatThePeerReadsArrivesWhole) {
    const std::string bloc(LienTcp::ATTENTE_MAXIMALE / 4, 'x');
    for (int fois = 0; fois < 3; ++fois) bout_.lien->envoie(bloc);
    std::size_t recus = 0;
    attends([&] {
        recus += static_cast<std::size_t>(pair_.readAll().size());
        return recus == 3 * bloc.size();
    });
    EXPECT_EQ(recus, 3 * bloc.size());
    EXPECT_TRUE(bout_.lien->estOuvert());
    EXPECT_EQ(bout_.fermetures, 0);
}

// More than the bound waiting for a peer that reads nothing: the link is given up and reported
// closed once, after the sending returned, as the protocol expects of a peer that left.
TEST_F(LienTcpTest, APeerThatReadsNothingIsGivenUpAsClosed) {
    const std::string bloc(LienTcp::ATTENTE_MAXIMALE / 4, 'x');
    // The system may take a first part into its own buffers; the rest waits with the socket.
    for (int fois = 0; fois < 64 && bout_.lien->estOuvert(); ++fois) bout_.lien->envoie(bloc);
    EXPECT_FALSE(bout_.lien->estOuvert());
    EXPECT_EQ(bout_.fermetures, 0);
    attends([&] { return bout_.fermetures > 0; });
    EXPECT_EQ(bout_.fermetures, 1);
    bout_.lien->envoie(bloc);
    QCoreApplication::processEvents();
    EXPECT_EQ(bout_.fermetures, 1);
}
