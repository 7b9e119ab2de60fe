#include <gtest/gtest.h>

#include <vector>

#include "support/Cartes.h"
#include "models/PanelDeCartesRamassees.h"

TEST(PanelDeCartesRamassees, WonCardsDeepenTheCentredPileSlowly) {
    PanelDeCartesRamassees panel;
    int changements = 0;
    panel.changement = [&] { ++changements; };
    std::vector<int> tops;
    for (unsigned tag = 0; tag < 22; ++tag) {
        panel.ajouteCarte(Carte::parTag(tag));
        tops.push_back(panel.cartes().back().top);
    }
    std::vector<int> attendus{2, 4, 4, 4, 4};
    attendus.insert(attendus.end(), 16, 6);
    attendus.push_back(8);
    EXPECT_EQ(tops, attendus);
    EXPECT_EQ(panel.cartes()[21].carte, &Carte::parTag(21));
    EXPECT_EQ(panel.cartes()[0].left, 29);
    EXPECT_EQ(changements, 22);

    panel.vide();
    EXPECT_TRUE(panel.cartes().empty());
    panel.ajouteCarte(c("AC"));
    EXPECT_EQ(panel.cartes()[0].top, 2);
}

TEST(PanelDeCartesRamassees, LabelsOfAStandardGame) {
    PanelDeCartesRamassees panel;
    panel.afficheEquipe("Vous", "Partenaire", 1500, 8);
    panel.affichePoints(84, 40, 312, 2);
    const auto& l = panel.libelles();
    EXPECT_EQ(l[PanelDeCartesRamassees::Nom1], "Vous");
    EXPECT_EQ(l[PanelDeCartesRamassees::Nom2], "Partenaire");
    EXPECT_EQ(l[PanelDeCartesRamassees::Vide], "");
    EXPECT_EQ(l[PanelDeCartesRamassees::LigneTour], "       Tour  : 84+40  (x2)");
    EXPECT_EQ(l[PanelDeCartesRamassees::LigneTotal], "       Total : 312");
    EXPECT_EQ(l[PanelDeCartesRamassees::LigneMaxi], "       Maxi  : 1500");
    EXPECT_EQ(PanelDeCartesRamassees::HAUTEUR, 6 * 14 + 129);
}

// A competition has no goal to show: the box counts the deals left instead.
TEST(PanelDeCartesRamassees, CompetitionShowsTheDealsLeft) {
    PanelDeCartesRamassees panel;
    panel.afficheEquipe("Alphonse", "Gertrude", PanelDeCartesRamassees::SCORE_MAXI_CONCOURS, 8);
    EXPECT_EQ(panel.libelles()[PanelDeCartesRamassees::LigneMaxi], "       Nb restant: 8");
    panel.afficheEquipe("Alphonse", "Gertrude", PanelDeCartesRamassees::SCORE_MAXI_CONCOURS, 7);
    EXPECT_EQ(panel.libelles()[PanelDeCartesRamassees::LigneMaxi], "       Nb restant: 7");
}
