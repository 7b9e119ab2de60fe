#include <gtest/gtest.h>

#include "support/SignatureDuMoteur.h"

// Two games of four computer players, a standard game and a competition, from a fixed start.
// When a change is meant to alter the game's course, the new figures come from
// `trumpwise_signature 2 1`; otherwise this test shows that nothing of the play changed.
TEST(SignatureDuMoteur, TwoGamesFromAFixedStartGiveTheKnownTotalsAndRecords) {
    const SignatureDuMoteur signature = calculeSignatureDuMoteur(2, 1);
    EXPECT_EQ(signature.parties, 2);
    EXPECT_EQ(signature.donnes, 18);
    EXPECT_EQ(signature.evenements, 1653);
    EXPECT_EQ(signature.points[0], 1807);
    EXPECT_EQ(signature.points[1], 1900);
    EXPECT_EQ(signature.empreinte, 0xd80ce3169d7987c2ull) << signature.texte();
}
