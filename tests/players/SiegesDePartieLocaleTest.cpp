#include <gtest/gtest.h>

#include "players/SiegesDePartieLocale.h"

// A new game at this computer seats the user first, then Alphonse, the partner and Gertrude, the
// way the table registers seats 0 to 3.
TEST(SiegesDePartieLocale, TheUserFacesHisPartnerBetweenTheTwoOpponents) {
    const OptionsDuJoueur utilisateur("Zoe", false, 2, false, OptionsDuJoueur::Humain, 0);
    OptionsDePartie options;
    options.setNiveau(0);
    for (const unsigned tirage : {0u, 1u, 2u, 5u}) {
        const auto sieges = siegesDePartieLocale(utilisateur, options, tirage);
        EXPECT_EQ(sieges[0].save(), utilisateur.save());
        EXPECT_EQ(sieges[1].nom(), "Alphonse");
        EXPECT_EQ(sieges[2].nom(), "Partenaire");
        EXPECT_EQ(sieges[3].nom(), "Gertrude");
        for (int siege = 1; siege < 4; ++siege) {
            EXPECT_EQ(sieges[siege].getRace(), OptionsDuJoueur::AI);
            EXPECT_FALSE(sieges[siege].estDistant());
        }
        // The partner takes the user's habits and always plays at the expert level.
        EXPECT_EQ(sieges[2].getNiveau(), OptionsDePartie::NIVEAU_EXPERT);
        EXPECT_EQ(sieges[2].getAppels(), 2);
        EXPECT_FALSE(sieges[2].getDepartAtoutPlusHaut());
        // The opponents play at the chosen level and share their calls, drawn among those allowed.
        EXPECT_EQ(sieges[1].getNiveau(), 0);
        EXPECT_EQ(sieges[3].getNiveau(), 0);
        EXPECT_EQ(sieges[1].getAppels(), tirage % 3);
        EXPECT_EQ(sieges[3].getAppels(), sieges[1].getAppels());
        EXPECT_TRUE(sieges[1].getDepartAtoutPlusHaut());
    }
}
