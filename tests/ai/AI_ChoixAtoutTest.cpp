#include <gtest/gtest.h>

#include "ai/AI_ChoixAtout.h"
#include "ai/AnalyseJoueur.h"
#include "rules/TypeDePartiesPossibles.h"
#include "support/AssertionsRelevees.h"
#include "support/Cartes.h"

namespace {

const TypeDePartie& suisseRomand() { return TypeDePartiesPossibles::commune()[0]; }
const TypeDePartie& piqueDouble() { return TypeDePartiesPossibles::commune()[1]; }
const TypeDePartie& zigZag() { return TypeDePartiesPossibles::commune()[3]; }

StatusAtout passe() {
    StatusAtout status;
    status.estChibre = true;
    return status;
}

}  // namespace

TEST(AI_ChoixAtout, ScoresEachModeByItsCardWeights) {
    const CarteSet main = ens("VP 9P AP XP 6C 7C 8K RK DT");
    struct Cas {
        Atout atout;
        double score;
    };
    for (const Cas& cas : {Cas{Atout::Trefle, 1}, Cas{Atout::Carreau, 2}, Cas{Atout::Pique, 8}, Cas{Atout::Coeur, 2},
                           Cas{Atout::HautEnBas, 5.2}, Cas{Atout::BasEnHaut, 5.2}, Cas{Atout::ZigZag, 6}})
        EXPECT_NEAR(AI_ChoixAtout::score(main, cas.atout), cas.score, 1e-9) << nomAtout(cas.atout);
    const StatusAtout decision = AI_ChoixAtout::choisit(StatusAtout(), main, zigZag());
    EXPECT_TRUE(decision.estChoisi);
    EXPECT_FALSE(decision.estChibre);
    EXPECT_EQ(decision.atout, Atout::Pique);
    EXPECT_EQ(decision.multiplicateur, 2);
}

// Scores 2, 2, 4, 4: the best is below 5, so the choice is passed to the partner; the partner,
// given the same hand, takes the earlier of the two best modes.
TEST(AI_ChoixAtout, AWeakHandChibresUnlessTheChoiceWasPassed) {
    const CarteSet main = ens("6T 7T 6K 7K 6P 7P 8P XP VC");
    const StatusAtout chibre = AI_ChoixAtout::choisit(StatusAtout(), main, suisseRomand());
    EXPECT_TRUE(chibre.estChibre);
    EXPECT_FALSE(chibre.estChoisi);
    EXPECT_EQ(chibre.atout, Atout::Invalide);
    EXPECT_EQ(chibre.multiplicateur, 0);

    const StatusAtout choix = AI_ChoixAtout::choisit(passe(), main, piqueDouble());
    EXPECT_TRUE(choix.estChibre);
    EXPECT_TRUE(choix.estChoisi);
    EXPECT_EQ(choix.atout, Atout::Pique);
    EXPECT_EQ(choix.multiplicateur, 2);
}

TEST(AI_ChoixAtout, AFlatHandOfAllFourSuitsChibresAndAHandMissingASuitNever) {
    // Scores 6, 5, 3, 3: strong enough, but 6 - 3 is below 4.
    EXPECT_TRUE(AI_ChoixAtout::choisit(StatusAtout(), ens("VT 9T VK 6K 9P 6P 6C 7C 8C"), suisseRomand()).estChibre);
    // No Pique: however weak, it chooses.
    const StatusAtout sansPique = AI_ChoixAtout::choisit(StatusAtout(), ens("6T 7T 8T 6K 7K 8K 6C 7C 8C"), suisseRomand());
    EXPECT_FALSE(sansPique.estChibre);
    EXPECT_EQ(sansPique.atout, Atout::Trefle);
    EXPECT_EQ(sansPique.multiplicateur, 1);
}

TEST(AI_ChoixAtout, AStrongHandChoosesDirectly) {
    const StatusAtout decision = AI_ChoixAtout::choisit(StatusAtout(), ens("VC 9C AC 6C 7T 8T 6K 7K 6P"), suisseRomand());
    EXPECT_FALSE(decision.estChibre);
    EXPECT_EQ(decision.atout, Atout::Coeur);
}

TEST(AI_ChoixAtout, AChosenRecordOrAShortHandIsAnInternalError) {
    AssertionsRelevees relevees;
    StatusAtout dejaChoisi;
    dejaChoisi.estChoisi = true;
    AI_ChoixAtout::choisit(dejaChoisi, ens("VC 9C AC 6C 7T 8T 6K 7K 6P"), suisseRomand());
    EXPECT_TRUE(relevees.contient("!statusAtout.estChoisi"));
    AI_ChoixAtout::choisit(StatusAtout(), ens("VC 9C AC"), suisseRomand());
    EXPECT_TRUE(relevees.contient("cartesEnMain.size() == 9"));
}

// The simulating players write their weighing: every mode's score, then whether all four suits
// are held, the trump total, the spread, and the chibre advice when they pass the choice.
TEST(AI_ChoixAtout, TheWeighingIsWrittenToTheAnalysis) {
    struct Cas {
        const TypeDePartie& variante;
        std::string main;
        StatusAtout status;
        std::vector<std::string> lignes;
        Atout atout;
    };
    const Cas cas[] = {
        {zigZag(), "VP 9P AP XP 6C 7C 8K RK DT", StatusAtout(),
         {"Trefle 1", "Carreau 2", "Pique 8", "Coeur 2", "De haut en bas 5.2", "De bas en haut 5.2", "Zig-zag 6",
          "Toutes les couleurs: 1", "Total atouts: 13", "Diff: 7"},
         Atout::Pique},
        {suisseRomand(), "6T 7T 8T 9K XK DP RP AP VC", StatusAtout(),
         {"Trefle 3", "Carreau 3", "Pique 3", "Coeur 4", "Toutes les couleurs: 1", "Total atouts: 13", "Diff: 1",
          "Chibre conseill\xE9"},
         Atout::Invalide},
        {suisseRomand(), "6T 7T 8T 9K XK DP RP AP VC", passe(),
         {"Trefle 3", "Carreau 3", "Pique 3", "Coeur 4", "Toutes les couleurs: 1", "Total atouts: 13", "Diff: 1"},
         Atout::Coeur},
    };
    for (const Cas& c : cas) {
        AnalyseJoueur analyse;
        const StatusAtout decision = AI_ChoixAtout::choisit(c.status, ens(c.main), c.variante, &analyse);
        EXPECT_EQ(analyse.lignes(), c.lignes) << c.main;
        EXPECT_EQ(decision.atout, c.atout) << c.main;
    }
}
