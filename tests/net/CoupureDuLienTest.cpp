#include <gtest/gtest.h>

#include <filesystem>

#include "net/PartieEnReseau.h"
#include "support/Fichiers.h"

// The network fails under a game in its second deal, between a host and the client holding seat
// 1: both are told "Connection interrompue." and get their menus back; the host keeps every
// event played (the client's cards with the others), the game stands still where it was, and its
// file, saved after the cut, loads again with the same events at the same point of the game.
TEST(CoupureDuLien, BothSidesAreToldAndTheHostKeepsAndSavesWhatWasPlayed) {
    PartieEnReseau partie(1);
    partie.placement = {"Hote", "C1", "Alphonse", "Gertrude"};
    partie.demarre();
    Table& hote = partie.hote->table;
    Table& client = partie.clients[0]->table;
    const auto enregistrementDe = [](Table& table) {
        return sansInscriptions(table.listeDesEvenements().enregistrement());
    };
    // A moment when both tables hold the same events: nothing is on its way.
    for (int garde = 0; garde < 4 * 3600 * 1000; ++garde) {
        if (hote.compteurDonnes() >= 2 && EvenementDeJeu::estEtatCarte(hote.etatJeu()) &&
            enregistrementDe(client) == enregistrementDe(hote))
            break;
        partie.avance(1);
    }
    ASSERT_GE(hote.compteurDonnes(), 2);
    ASSERT_TRUE(EvenementDeJeu::estEtatCarte(hote.etatJeu()));
    const std::vector<std::string> joues = hote.listeDesEvenements().enregistrement();
    ASSERT_GT(joues.size(), 50u);
    const int etat = hote.etatJeu();
    ASSERT_TRUE(partie.plateforme.boites.empty());

    partie.reseau.coupe();
    partie.avance(60000);

    ASSERT_EQ(partie.plateforme.boites.size(), 2u);
    for (const auto& boite : partie.plateforme.boites) EXPECT_EQ(boite.titre, "Connection interrompue.");
    EXPECT_NE(partie.plateforme.boites[0].texte, partie.plateforme.boites[1].texte);  // the host's and the client's
    EXPECT_EQ(partie.hote->retoursMenusLocaux, 1);
    EXPECT_EQ(partie.clients[0]->retoursMenusLocaux, 1);
    EXPECT_EQ(hote.listeDesEvenements().enregistrement(), joues);
    EXPECT_EQ(hote.etatJeu(), etat);

    const std::filesystem::path fichier = cheminTemporaire("coupure-du-lien.jss");
    hote.sauve(fichier.string());
    const std::vector<std::string> lignes = lignesDuFichier(litFichier(fichier));
    EXPECT_EQ(lignes, joues);
    Poste relu(joueurOrdinateur("Relu", 7));
    partie.plateforme.reponses = {false};  // not as a film
    relu.table.commencePartie(Table::ChargeFichier, OptionsDePartie::Local, fichier.string());
    std::filesystem::remove(fichier);
    EXPECT_EQ(enregistrementDe(relu.table), enregistrementDe(hote));
    EXPECT_EQ(relu.table.etatJeu(), etat);
    EXPECT_EQ(relu.table.compteurDonnes(), hote.compteurDonnes());
}

// A client leaves in the middle of the first deal: the game cannot go on, so the host, told
// itself, closes the other links at once, and the other client hears of it then, not when the
// host's user leaves; the host's table stays where it stood.
TEST(CoupureDuLien, WhenAPlayerLeavesTheOtherClientsAreToldAtOnce) {
    PartieEnReseau partie(2);
    partie.placement = {"Hote", "C1", "C2", "Alphonse"};
    partie.demarre();
    Table& hote = partie.hote->table;
    for (int garde = 0; garde < 100000 && !EvenementDeJeu::estEtatCarte(hote.etatJeu()); ++garde) partie.avance(1);
    ASSERT_TRUE(EvenementDeJeu::estEtatCarte(hote.etatJeu()));
    const std::vector<std::string> joues = hote.listeDesEvenements().enregistrement();
    const int etat = hote.etatJeu();

    partie.clients[0]->client->arrete();
    partie.avance(100);

    ASSERT_EQ(partie.plateforme.boites.size(), 3u);  // the one who left, the host, the other client
    for (const auto& boite : partie.plateforme.boites) EXPECT_EQ(boite.titre, "Connection interrompue.");
    EXPECT_EQ(partie.clients[1]->retoursMenusLocaux, 1);
    EXPECT_FALSE(partie.clients[1]->client->estConnecte());
    EXPECT_EQ(partie.hote->server->nbLiens(), 0u);
    EXPECT_EQ(hote.listeDesEvenements().enregistrement(), joues);
    EXPECT_EQ(hote.etatJeu(), etat);
}
