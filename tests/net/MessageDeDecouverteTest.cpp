#include <gtest/gtest.h>

#include "net/MessageDeDecouverte.h"

TEST(MessageDeDecouverte, AnswerRoundTripsAndTheQueryIsRecognised) {
    EXPECT_TRUE(decouverte::estRequete(decouverte::requete()));
    EXPECT_FALSE(decouverte::estRequete(decouverte::requete() + "x"));

    const decouverte::Reponse r{0xfedcba9876543210ull, 4001, "Trumpwise p\xE9ter"};
    const auto lue = decouverte::litReponse(decouverte::reponse(r));
    ASSERT_TRUE(lue);
    EXPECT_EQ(lue->instance, r.instance);
    EXPECT_EQ(lue->port, 4001);
    EXPECT_EQ(lue->nom, r.nom);
    EXPECT_EQ(decouverte::litReponse(decouverte::reponse({3, 9, ""}))->nom, "");

    // A name is cut when written and shown on one line when read.
    const auto longue = decouverte::litReponse(decouverte::reponse({3, 9, std::string(500, 'n')}));
    EXPECT_EQ(longue->nom.size(), decouverte::LONGUEUR_NOM_MAXI);
    EXPECT_EQ(decouverte::litReponse("TRUMPWISE/1 ! 1 9\nun\ndeux")->nom, "un deux");
}

TEST(MessageDeDecouverte, DatagramsOfAnyOtherShapeAreRefused) {
    for (const std::string datagramme : {"", "TRUMPWISE/1 ?", "TRUMPWISE/1 ! ", "TRUMPWISE/1 ! 1 4001",
                                         "TRUMPWISE/1 ! zz 4001\nn", "TRUMPWISE/1 ! 1 0\nn",
                                         "TRUMPWISE/1 ! 1 70000\nn", "TRUMPWISE/1 ! 1 -3\nn",
                                         "TRUMPWISE/1 !  4001\nn", "TRUMPWISE/2 ! 1 4001\nn"})
        EXPECT_FALSE(decouverte::litReponse(datagramme)) << datagramme;
    EXPECT_FALSE(decouverte::litReponse("TRUMPWISE/1 ! 1 4001\n" + std::string(300, 'n')));
}
