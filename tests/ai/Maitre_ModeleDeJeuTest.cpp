#include <gtest/gtest.h>

#include "ai/Maitre_ModeleDeJeu.h"
#include "ai/SituationsAI.h"
#include "rules/TypeDePartiesPossibles.h"

namespace {

// Under Pique.
const std::string MAINS[4] = {
    "AT 6T AK 7K 6C 7C 8C 9C VC",
    "7T 8K 9K XK 7P 8P DC RC AC",
    "XT 8T 6K VK DK RK 6P 9P XC",
    "9T VT DT RT XP VP DP RP AP",
};

}  // namespace

// The habits the model weighs: on each line, the seat to play after these cards is far likelier
// to have played the first card than the second.
TEST(Maitre_ModeleDeJeu, LesHabitudesDuJeuRendentUneCartePlusProbable) {
    struct Cas {
        const char* quoi;
        int premier;
        const char* jouees;
        const char* probable;
        const char* improbable;
    };
    const Cas cas[] = {
        {"low on a trick the opponents win", 0, "AT 7T 8T", "9T", "RT"},
        {"points on a trick the partner wins", 3, "9T AT 7T", "XT", "8T"},
        {"a master card led", 0, "", "AK", "7K"},
        {"no trump on the partner's trick", 1, "8K 6K", "9T", "RP"},
    };
    for (const Cas& c : cas) {
        SituationAI situation(Atout::Pique, MAINS, c.premier, c.jouees);
        const CarteSet main = situation.mains[situation.aJouer()];
        const double probable = Maitre_ModeleDeJeu::probaCarte(situation.partie, main, ::c(c.probable));
        const double improbable = Maitre_ModeleDeJeu::probaCarte(situation.partie, main, ::c(c.improbable));
        EXPECT_GT(probable, 3 * improbable) << c.quoi;
        EXPECT_GT(improbable, 0) << c.quoi;
    }
    // A card the hand could not play was not played with it; a single legal card surely was.
    SituationAI suit(Atout::Pique, MAINS, 0, "AT 7T");
    EXPECT_EQ(Maitre_ModeleDeJeu::probaCarte(suit.partie, suit.mains[2], c("6K")), 0);
    EXPECT_EQ(Maitre_ModeleDeJeu::probaCarte(suit.partie, ens("8T 6K VK"), c("8T")), 1);
}

// The trump choice: the hand the weighing favours for Coeur chose Coeur far more likely than
// Trefle, and a flat weak hand passed far more likely than a strong one.
TEST(Maitre_ModeleDeJeu, LeChoixDeLAtoutSuitLaPeseeDeLaMain) {
    const TypeDePartie& type = TypeDePartiesPossibles::commune()[0];
    const CarteSet coeurs = ens("VC 9C AC RC 8C 6T 7K 6P 7P");
    EXPECT_GT(Maitre_ModeleDeJeu::probaAtout(coeurs, Atout::Coeur, true, type),
              10 * Maitre_ModeleDeJeu::probaAtout(coeurs, Atout::Trefle, true, type));
    const CarteSet plate = ens("6T 7T 6K 7K 8K 6P 7P 6C 7C");
    EXPECT_GT(Maitre_ModeleDeJeu::probaChibre(plate, type), 5 * Maitre_ModeleDeJeu::probaChibre(coeurs, type));
    // Without the choice to pass, the modes' chances add up to one.
    double total = 0;
    for (int mode = 1; mode <= type.getNbAtoutsPossibles(); ++mode)
        total += Maitre_ModeleDeJeu::probaAtout(plate, static_cast<Atout>(mode), false, type);
    EXPECT_NEAR(total, 1, 1e-9);
}
