#include <gtest/gtest.h>

#include <array>

#include "rules/JeuDeCartes.h"
#include "rules/KnuthRandom.h"
#include "support/AssertionsRelevees.h"

namespace {

std::array<CarteSet, 4> distribue(const JeuDeCartes& jeu, KnuthRandom& generateur) {
    CarteSet reste = jeu.getCartes();
    std::array<CarteSet, 4> mains;
    for (CarteSet& main : mains) main = jeu.tireCartes(reste, generateur);
    EXPECT_TRUE(reste.empty());
    return mains;
}

}  // namespace

TEST(JeuDeCartes, HoldsTheThirtySixCards) {
    const JeuDeCartes jeu;
    EXPECT_EQ(jeu.size(), 36u);
    EXPECT_EQ(jeu.getCartes(), CarteSet::complet());
}

TEST(JeuDeCartes, FourHandsOfNineCoverTheDeckAndFollowTheGenerator) {
    const JeuDeCartes jeu;
    KnuthRandom generateur(true);
    generateur.tire(1000);
    const std::string etat = generateur.save();

    const auto mains = distribue(jeu, generateur);
    CarteSet toutes;
    for (const CarteSet& main : mains) {
        EXPECT_EQ(main.size(), 9u);
        EXPECT_TRUE((toutes & main).empty());
        toutes = toutes | main;
    }
    EXPECT_EQ(toutes, jeu.getCartes());

    const auto suivantes = distribue(jeu, generateur);
    EXPECT_NE(suivantes, mains);
    generateur.load(etat);
    EXPECT_EQ(distribue(jeu, generateur), mains);
}

// Each draw is a place among the cards left, counted in tag order.
TEST(JeuDeCartes, TakesTheCardAtTheDrawnPlaceInTagOrder) {
    const JeuDeCartes jeu;
    CarteSet reste = jeu.getCartes();
    EXPECT_EQ(jeu.tireCartes(reste, [](int) { return 0; }), jeu.getCartes().deCouleur(Carte::Trefle));
    EXPECT_EQ(reste.size(), 27u);
    EXPECT_EQ(jeu.tireCartes(reste, [](int n) { return n - 1; }), jeu.getCartes().deCouleur(Carte::Coeur));
    // Place 1 of what is left each time: Six of Carreau stays, Sept to As follow, then Six of Pique.
    CarteSet attendu = jeu.getCartes().deCouleur(Carte::Carreau);
    attendu.erase(Carte::trouve(Carte::Carreau, Carte::Six));
    attendu.insert(Carte::trouve(Carte::Pique, Carte::Six));
    EXPECT_EQ(jeu.tireCartes(reste, [](int) { return 1; }), attendu);
}

TEST(JeuDeCartes, TooFewCardsLeftIsAnInternalError) {
    AssertionsRelevees relevees;
    const JeuDeCartes jeu;
    CarteSet reste = jeu.getCartes().deCouleur(Carte::Pique);
    reste.erase(Carte::trouve(Carte::Pique, Carte::As));
    KnuthRandom generateur(true);
    EXPECT_TRUE(jeu.tireCartes(reste, generateur).empty());
    EXPECT_TRUE(relevees.contient("(int)jeu.size() >= (jeu_->size()/nbJoueurs())"));
    EXPECT_EQ(reste.size(), 8u);
    EXPECT_EQ(generateur.save(), KnuthRandom(true).save());
}
