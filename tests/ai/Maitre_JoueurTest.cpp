#include <gtest/gtest.h>

#include "ai/Maitre_Joueur.h"
#include "support/TableDOrdinateurs.h"

// The registry's maker of race 5 seats the master for level 3, which then plays through the table
// like any computer player: trump, melds and the cards of the first trick.
TEST(Maitre_Joueur, LeNiveau3DeLaRace5EstLeMaitre) {
    TableDOrdinateurs table(OptionsDuJoueur::AI, creeJoueurDeRace5, OptionsDePartie::NIVEAU_MAITRE);
    for (int siege = 0; siege < 4; ++siege) EXPECT_NE(dynamic_cast<Maitre_Joueur*>(table.table->getJoueur(siege)), nullptr);
    ASSERT_TRUE(table.avanceJusqua(EvenementDeJeu::Tour1_AttendRamasseTas1));
    // Each seat with more than one playable card wrote how the samples voted.
    std::size_t lignes = 0;
    for (int siege = 0; siege < 4; ++siege) lignes += table.joueur<Maitre_Joueur>(siege).analyse().lignes().size();
    EXPECT_GT(lignes, 0u);

    TableDOrdinateurs expert(OptionsDuJoueur::AI, creeJoueurDeRace5, OptionsDePartie::NIVEAU_EXPERT);
    EXPECT_EQ(dynamic_cast<Maitre_Joueur*>(expert.table->getJoueur(0)), nullptr);
}

// The master thinks in the background (first of all on the trump): however long the clock runs,
// the table waits for its work; once the work is done the answer comes and the deal goes on. A table that goes away while
// the work is out drops the answer without touching the player it had.
TEST(Maitre_Joueur, LaTableAttendLeTravailEnArrierePlanEtLOublieSiElleDisparait) {
    TableDOrdinateurs table(OptionsDuJoueur::AI, creeJoueurDeRace5, OptionsDePartie::NIVEAU_MAITRE);
    table.plateforme.differeLesTravaux = true;
    for (int garde = 0; garde < 100000 && table.plateforme.travauxEnAttente() == 0; ++garde) table.plateforme.avance(1);
    ASSERT_EQ(table.plateforme.travauxEnAttente(), 1u);
    const auto evenements = table.table->listeDesEvenements().enregistrement().size();
    table.plateforme.avance(60000);
    EXPECT_EQ(table.table->listeDesEvenements().enregistrement().size(), evenements);

    table.plateforme.finitLesTravaux();
    table.plateforme.differeLesTravaux = false;
    ASSERT_TRUE(table.avanceJusqua(EvenementDeJeu::Tour1_AttendRamasseTas1));
    EXPECT_GT(table.table->listeDesEvenements().enregistrement().size(), evenements);

    table.plateforme.differeLesTravaux = true;
    for (int garde = 0; garde < 100000 && table.plateforme.travauxEnAttente() == 0; ++garde) table.plateforme.avance(1);
    ASSERT_EQ(table.plateforme.travauxEnAttente(), 1u);
    table.table.reset();
    table.plateforme.finitLesTravaux();
}
