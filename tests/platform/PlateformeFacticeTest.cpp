#include <gtest/gtest.h>

#include "support/PlateformeFactice.h"

// The fake clock is what every timing test stands on: timers fire in time order, once for a
// one-shot, repeatedly for a periodic one, and only when the clock passes them.
TEST(PlateformeFactice, TimersFireInOrderWhenTheClockPasses) {
    PlateformeFactice plateforme;
    std::vector<std::string> ordre;
    auto unique = plateforme.creeMinuterie([&] { ordre.push_back("unique@" + std::to_string(plateforme.ecoule().count())); });
    auto periodique = plateforme.creeMinuterie([&] { ordre.push_back("periode@" + std::to_string(plateforme.ecoule().count())); });
    unique->demarre(1500, false);
    periodique->demarre(1000, true);
    plateforme.avance(999);
    EXPECT_TRUE(ordre.empty());
    plateforme.avance(2001);
    EXPECT_EQ(ordre, (std::vector<std::string>{"periode@1000", "unique@1500", "periode@2000", "periode@3000"}));
    EXPECT_FALSE(unique->estActive());
    periodique->arrete();
    EXPECT_EQ(plateforme.minuteriesActives(), 0);
    EXPECT_EQ(&Plateforme::courante(), &plateforme);
}

TEST(PlateformeFactice, ScriptedAnswersAndRecordedBoxes) {
    PlateformeFactice plateforme;
    plateforme.reponses = {false};
    EXPECT_FALSE(plateforme.question("Encore ?", "Question."));
    EXPECT_TRUE(plateforme.avertissement("Quitter ?", "Avertissement."));
    ASSERT_EQ(plateforme.boites.size(), 2u);
    EXPECT_EQ(plateforme.boites[0].texte, "Encore ?");
    EXPECT_EQ(plateforme.boites[1].genre, "avertissement");
}
