#include <gtest/gtest.h>

#include "net/ListeDesSessions.h"

TEST(ListeDesSessions, OneLinePerSessionNewestFirstWithNameCutAndAddress) {
    ListeDesSessions liste;
    const SessionTrouvee longue{1, "Trumpwise une session au nom bien trop long", "192.168.1.5", 4001};
    EXPECT_TRUE(liste.ajoute(longue));
    // The same session answers every query, and possibly from another address.
    EXPECT_FALSE(liste.ajoute(longue));
    EXPECT_FALSE(liste.ajoute({1, "autre nom", "10.0.0.1", 4002}));
    EXPECT_TRUE(liste.ajoute({2, "", "127.0.0.1", 5123}));
    EXPECT_EQ(liste.lignes("<unnamed>"),
              (std::vector<std::string>{"<unnamed> ( 127.0.0.1:5123 )",
                                        "Trumpwise une session au nom b ( 192.168.1.5:4001 )"}));
}

TEST(ListeDesSessions, OkWithoutSelectionJoinsTheFirstLine) {
    ListeDesSessions liste;
    EXPECT_EQ(liste.choisie(-1), nullptr);
    liste.ajoute({7, "ancienne", "127.0.0.1", 4001});
    liste.ajoute({8, "nouvelle", "127.0.0.1", 4002});
    EXPECT_EQ(liste.choisie(-1)->instance, 8u);
    EXPECT_EQ(liste.choisie(1)->instance, 7u);
    EXPECT_EQ(liste.choisie(2)->instance, 8u);
}

TEST(ListeDesSessions, AFloodOfAnswersKeepsTheListBounded) {
    ListeDesSessions liste;
    for (std::uint64_t i = 0; i < 10 * ListeDesSessions::NB_SESSIONS_MAXI; ++i) liste.ajoute({i, "s", "h", 1});
    EXPECT_EQ(liste.sessions().size(), ListeDesSessions::NB_SESSIONS_MAXI);
    liste.vide();
    EXPECT_TRUE(liste.estVide());
}
