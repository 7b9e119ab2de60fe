#include <gtest/gtest.h>

#include "ai/AnalyseJoueur.h"
#include "ai/DistributionProbableDesCartes.h"
#include "ai/PartieSimuleePlies.h"
#include "ai/SimulationPlies.h"
#include "ai/SituationsAI.h"
#include "rules/OptionsDuJoueur.h"
#include "rules/KnuthRandom.h"

namespace {

int profondeur(const PartieSimuleePlies& noeud) {
    int plusProfond = 0;
    for (int i = 0; i < noeud.nbEnfants(); ++i)
        if (!noeud.enfant(i).estEliminee()) plusProfond = std::max(plusProfond, 1 + profondeur(noeud.enfant(i)));
    return plusProfond;
}

PartieSimuleePlies racine(const SituationAI& situation) {
    return PartieSimuleePlies(situation.mains, situation.partie, nullptr, situation.aJouer());
}

}  // namespace

TEST(SimulationPlies, TheHorizonWidensAsTheDealGoesOn) {
    struct Cas {
        int jouees;
        int horizon;
        int appels;
    };
    for (const Cas& cas : {Cas{0, 4, 4}, Cas{5, 4, 3}, Cas{12, 4, 4}, Cas{13, 8, 7}, Cas{14, 8, 6}, Cas{16, 8, 8},
                           Cas{17, 36, 35}})
        EXPECT_EQ(SimulationPlies::horizon(cas.jouees), cas.horizon) << cas.jouees;
    for (const Cas& cas : {Cas{0, 4, 4}, Cas{5, 4, 3}, Cas{13, 8, 7}, Cas{14, 8, 6}, Cas{17, 36, 35}})
        EXPECT_EQ(SimulationPlies::nbDeveloppements(cas.jouees), cas.appels) << cas.jouees;
}

// Leading the first trick with nine legal cards: nine alternatives, searched to the end of the
// trick; values only change when a trick is won, so no line is cut before.
TEST(SimulationPlies, TheFirstLeadIsSearchedToTheEndOfItsTrick) {
    const SituationAI situation(Atout::Coeur, MAINS_MELANGEES, 0);
    PartieSimuleePlies arbre = racine(situation);
    int permis = SimulationPlies::NOEUDS_MAXIMUM;
    ASSERT_TRUE(arbre.developpe(permis));
    EXPECT_EQ(arbre.nbEnfants(), 9);
    EXPECT_EQ(profondeur(arbre), 1);
    for (int appel = 1; appel < SimulationPlies::nbDeveloppements(0); ++appel) arbre.developpe(permis);
    EXPECT_EQ(profondeur(arbre), 4);
    EXPECT_NE(arbre.partieChoisie(), nullptr);
}

int nbNoeuds(const PartieSimuleePlies& noeud) {
    int nombre = 1;
    for (int i = 0; i < noeud.nbEnfants(); ++i) nombre += nbNoeuds(noeud.enfant(i));
    return nombre;
}

// The tree makes no more nodes than it may: the lines still growing then stay as they are, and
// the deepening stops.
TEST(SimulationPlies, TheTreeStopsGrowingWhenItsNodesAreUsedUp) {
    SituationAI situation(Atout::Coeur, MAINS_MELANGEES, 0);
    situation.joueJusqua(17);
    PartieSimuleePlies arbre = racine(situation);
    int permis = 40;
    int appels = 0;
    while (arbre.developpe(permis)) ++appels;
    EXPECT_GE(permis, 0);
    EXPECT_LE(nbNoeuds(arbre), 41);
    EXPECT_GT(appels, 2);
    EXPECT_LT(appels, 19);
    EXPECT_NE(arbre.partieChoisie(), nullptr);
}

// The last card of a trick: seat 3 lets the Dix of Coeur go with its Huit or Neuf, or takes it
// with a higher Coeur. The losing cards are pruned at once; among the winning ones, which tie,
// the weakest is played.
TEST(SimulationPlies, ACardWorseForTheSeatChoosingIsPrunedAndTheWeakestWinnerPlayed) {
    const std::string mains[4] = {"6C 6T 7T 8T 9T XT VT DT RT", "7C AT 6K 7K 8K 9K XK VK DK",
                                  "XC RK AK 6P 7P 8P 9P XP VP", "8C RC 9C VC DC AC DP RP AP"};
    const SituationAI situation(Atout::Trefle, mains, 0, "6C 7C XC");
    PartieSimuleePlies arbre = racine(situation);
    int permis = SimulationPlies::NOEUDS_MAXIMUM;
    arbre.developpe(permis);
    ASSERT_EQ(arbre.nbEnfants(), 6);
    for (int i = 0; i < arbre.nbEnfants(); ++i) {
        const Carte& carte = *arbre.enfant(i).carteChoisie();
        const bool perd = &carte == &c("8C") || &carte == &c("9C");
        EXPECT_EQ(arbre.enfant(i).estEliminee(), perd) << carte.getNom();
    }
    EXPECT_EQ(arbre.valeur(), 257);
    EXPECT_EQ(arbre.partieChoisie()->carteChoisie(), &c("VC"));
}

// Equal values and equal cards won: a card that is not a trump is preferred; opening a trick the
// stronger card, following the weaker; cards of two plain suits keep the first.
TEST(SimulationPlies, TiesArePlayedWithoutTrumpHighWhenOpeningLowWhenFollowing) {
    struct Cas {
        Atout atout;
        const char* jouees;
        const char* a;
        const char* b;
        bool bPreferee;
    };
    // Seat 0 opens with Trefle and Carreau cards; seat 1 follows Trefle.
    const std::string mains[4] = {"6T 9T VT AT 7K XK 8P DP 6C", "7T XT 6K 9K RK 6P 9P AP 7C",
                                  "8T DT 8K VK AK 7P RP 8C XC", "RT DK XP VP 9C VC DC RC AC"};
    for (const Cas& cas : {Cas{Atout::Trefle, "", "7K", "AT", false}, Cas{Atout::Trefle, "", "AT", "7K", true},
                           Cas{Atout::Coeur, "", "6T", "AT", true}, Cas{Atout::Coeur, "", "AT", "6T", false},
                           Cas{Atout::Coeur, "6T", "XT", "7T", true}, Cas{Atout::Coeur, "6T", "7T", "XT", false},
                           Cas{Atout::Coeur, "", "AT", "XK", false}, Cas{Atout::Coeur, "", "XK", "AT", false}}) {
        const SituationAI situation(cas.atout, mains, 0, cas.jouees);
        const int joueur = situation.aJouer();
        const PartieSimuleePlies a(situation.mains, situation.partie, &c(cas.a), joueur);
        const PartieSimuleePlies b(situation.mains, situation.partie, &c(cas.b), joueur);
        ASSERT_EQ(a.valeur(), b.valeur());
        EXPECT_FALSE(a.estMoinsBonneQue(b, false)) << "no tie-break without it";
        EXPECT_EQ(a.estMoinsBonneQue(b, true), cas.bPreferee) << cas.a << " / " << cas.b << " " << nomAtout(cas.atout);
    }
}

// Told every hand with certainty, the knowing trick-by-trick player samples the real deal each
// time, and the search draws nothing: the five samples name the same card.
TEST(SimulationPlies, AKnowingPlayerNamesTheSameCardInEverySample) {
    SituationAI situation(Atout::Pique, MAINS_MELANGEES, 1);
    situation.joueJusqua(18);
    const int decideur = situation.aJouer();
    AnalyseJoueur analyse;
    const OptionsDuJoueur options("Moi", false, 1, false, OptionsDuJoueur::OrdinateurParfaitPlies, 2);
    DistributionProbableDesCartes distribution(analyse, options, decideur);
    for (int joueur = 0; joueur < 4; ++joueur) distribution.fixeMain(situation.donnees[joueur], joueur, 1.0f);
    distribution.carteJouee(*situation.jouees.back(), situation.partie);
    KnuthRandom random(true);
    const Carte* premiere = nullptr;
    for (int echantillon = 0; echantillon < 5; ++echantillon) {
        SimulationPlies simulation(distribution, situation.partie, situation.mains[decideur], decideur, 2, random, analyse);
        ASSERT_TRUE(simulation.mainsTirees());
        int score = 0;
        const Carte& carte = simulation.simule(score);
        if (!premiere) premiere = &carte;
        EXPECT_EQ(&carte, premiere);
    }
}
