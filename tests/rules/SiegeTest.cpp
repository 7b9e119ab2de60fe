#include <gtest/gtest.h>

#include "rules/Siege.h"
#include "support/AssertionsRelevees.h"

TEST(Siege, PartnersNextSeatsAndTeamsGoRoundTheTable) {
    struct Cas {
        int siege, suivant, partenaire, equipe;
    };
    for (const Cas& cas : {Cas{0, 1, 2, 0}, Cas{1, 2, 3, 1}, Cas{2, 3, 0, 0}, Cas{3, 0, 1, 1}}) {
        EXPECT_EQ(siege::suivant(cas.siege), cas.suivant) << cas.siege;
        EXPECT_EQ(siege::partenaire(cas.siege), cas.partenaire) << cas.siege;
        EXPECT_EQ(siege::equipe(cas.siege), cas.equipe) << cas.siege;
        EXPECT_TRUE(siege::memeEquipe(cas.siege, cas.partenaire)) << cas.siege;
        EXPECT_FALSE(siege::memeEquipe(cas.siege, cas.suivant)) << cas.siege;
    }
    EXPECT_EQ(siege::decale(3, 2), 1);
    EXPECT_EQ(siege::decale(0, -1), 3);
    EXPECT_EQ(siege::duNombre(-9), 3);  // counting backwards past seat 0 as the dealer's turn does
    EXPECT_EQ(siege::duNombre(4), 0);
}

TEST(Siege, ASeatOutOfRangeIsAnInternalErrorAndNeverIndexesOutside) {
    AssertionsRelevees assertions;
    EXPECT_EQ(siege::verifie(2), 2);
    EXPECT_TRUE(assertions.vide());
    for (const int faux : {-1, 4, 7}) {
        const int plie = siege::verifie(faux);
        EXPECT_TRUE(plie >= 0 && plie < 4) << faux;
    }
    EXPECT_EQ(assertions.toutes().size(), 3u);
    EXPECT_EQ(assertions.toutes()[0].source, "Siege");
}
