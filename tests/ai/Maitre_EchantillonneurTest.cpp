#include <gtest/gtest.h>

#include "ai/Maitre_Echantillonneur.h"
#include "rules/KnuthRandom.h"
#include "support/Cartes.h"
#include "ai/SituationsAI.h"

namespace {

// Under Coeur, after two tricks seat 3 showed out of Trefle, seats 1 and 3 out of trumps, and
// seat 3 announced three Carreau in a row. Seat 1 still holds the trump Valet, which may be kept.
const std::string DONNE[4] = {
    "6T 7T 8T 6C 7C 8C AP RP DP",
    "9T XT 6P 7P 8P 9P XP VP VC",
    "VT DT RT AT 9C XC DC RC AC",
    "6K 7K 8K 9K XK VK DK RK AK",
};

}  // namespace

TEST(Maitre_Echantillonneur, ChaqueDonneTireeSAccordeAvecCeQuiAEteVu) {
    // Trick 1, won by seat 2's Valet of Trefle; in trick 2 seat 2 leads the Ace of Coeur, seat 3
    // and seat 1 discard.
    SituationAI situation(Atout::Coeur, DONNE, 0, "6T 9T VT 6K AC 7K 6C 6P");
    ASSERT_TRUE(situation.partie.nAPlusLaCouleur(1, Carte::Coeur));
    ASSERT_TRUE(situation.partie.nAPlusLaCouleur(3, Carte::Trefle));
    const int moi = 0;
    std::array<CarteSet, 4> annoncees;
    annoncees[3] = ens("8K 9K XK");
    const Maitre_Echantillonneur echantillonneur(situation.partie, moi, situation.mains[moi], annoncees);

    KnuthRandom aleatoire(true);
    int valetChezLe1 = 0;
    for (int tirage = 0; tirage < 300; ++tirage) {
        const auto mains = echantillonneur.tire(aleatoire);
        EXPECT_EQ(mains[moi], situation.mains[moi]);
        CarteSet toutes = situation.partie.getCartesDejaJouees();
        for (int siege = 0; siege < 4; ++siege) {
            EXPECT_EQ(mains[siege].size(), situation.mains[siege].size()) << siege;
            EXPECT_TRUE((toutes & mains[siege]).empty()) << "a card twice or a played card, seat " << siege;
            toutes = toutes | mains[siege];
        }
        EXPECT_EQ(toutes, CarteSet::complet());
        EXPECT_TRUE(mains[3].deCouleur(Carte::Trefle).empty());
        EXPECT_TRUE(mains[1].deCouleur(Carte::Coeur).sauf(ens("VC")).empty());
        EXPECT_EQ(mains[3] & ens("8K 9K XK"), ens("8K 9K XK"));
        if (mains[1].contient(c("VC"))) ++valetChezLe1;
    }
    // The Valet kept back is sometimes placed with seat 1, sometimes elsewhere.
    EXPECT_GT(valetChezLe1, 0);
    EXPECT_LT(valetChezLe1, 300);
}

// Melds that place the whole hands of seats 1 and 3 leave seat 2 no choice: a card drawn for
// seat 2 must never be taken by another seat, so every draw gives back the true hands.
TEST(Maitre_Echantillonneur, LesCartesContraintesTrouventToujoursLeurPlace) {
    SituationAI situation(Atout::Pique, DONNE_AS_EN_3, 0);
    std::array<CarteSet, 4> annoncees;
    annoncees[1] = situation.mains[1];
    annoncees[3] = situation.mains[3];
    const Maitre_Echantillonneur echantillonneur(situation.partie, 0, situation.mains[0], annoncees);
    KnuthRandom aleatoire(true);
    for (int tirage = 0; tirage < 20; ++tirage) {
        const auto mains = echantillonneur.tire(aleatoire);
        for (int siege = 0; siege < 4; ++siege) EXPECT_EQ(mains[siege], situation.mains[siege]) << siege;
    }
}
