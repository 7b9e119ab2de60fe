#include <gtest/gtest.h>

#include "net/PartieEnReseau.h"

namespace {

// A host and one client; the client holds seat 1, the host (a computer player) seat 0 and its
// computer players the others. Every player answers at once except where the test holds one back.
class ClientTest : public ::testing::Test {
protected:
    // The user at the host, who never confirms the deal unless the test makes him.
    ClientTest() : partie(1) {
        partie.placement = {"Hote", "C1", "Alphonse", "Gertrude"};
        partie.hote->joueur = OptionsDuJoueur("Hote", true, 1, false, OptionsDuJoueur::Humain, 2);
    }
    int nbPerdues() const {
        int n = 0;
        for (const auto& boite : partie.plateforme.boites) n += boite.titre == "Connection interrompue.";
        return n;
    }
    PartieEnReseau partie;
};

}  // namespace

// A client whose confirmation stays unechoed while the host falls silent (nothing gets through
// any more) gives up after its ten repetitions, and both sides are told; the host can still save
// what was played.
TEST_F(ClientTest, GivesUpWhenTheHostFallsSilent) {
    partie.placement = {"C1", "Hote", "Alphonse", "Gertrude"};
    partie.demarre();
    for (int garde = 0; garde < 1000 && partie.clients[0]->table.etatJeu() != EvenementDeJeu::AttendDistribue1; ++garde)
        partie.plateforme.avance(1);
    ASSERT_EQ(partie.clients[0]->table.etatJeu(), EvenementDeJeu::AttendDistribue1);
    partie.reseau.defauts.perte = 1.0;
    partie.plateforme.avance(21000);
    EXPECT_EQ(nbPerdues(), 0);
    partie.plateforme.avance(2000);
    EXPECT_EQ(nbPerdues(), 2);  // the client's, then the host's when the closed link reaches it
    EXPECT_EQ(partie.clients[0]->retoursMenusLocaux, 1);
    EXPECT_EQ(partie.hote->retoursMenusLocaux, 1);
    const std::string fichier = testing::TempDir() + "apres-coupure.jss";
    partie.hote->table.sauve(fichier);
    EXPECT_EQ(partie.hote->table.listeDesEvenements().enregistrement().size(), 7u);
}

// The user at the host thinks for a minute before confirming the deal, while the client's
// confirmation waits unechoed in the host's slot: the host's repetitions tell the client it is
// still there, so the client keeps its link.
TEST_F(ClientTest, AUserAtTheHostMayThinkForAMinute) {
    partie.demarre();
    partie.plateforme.avance(60000);
    EXPECT_EQ(partie.hote->table.etatJeu(), EvenementDeJeu::AttendDistribue1);
    EXPECT_EQ(nbPerdues(), 0);
    ASSERT_NE(partie.clients[0]->client, nullptr);
    EXPECT_TRUE(partie.clients[0]->client->estConnecte());
}
