#include <gtest/gtest.h>

#include "ai/AI_ChoixCarte.h"
#include "ai/AI_HistoEvaluations.h"
#include "ai/AnalyseJoueur.h"
#include "ai/SituationsAI.h"
#include "rules/KnuthRandom.h"
#include "support/AssertionsRelevees.h"

namespace {

struct Decision {
    AnalyseJoueur analyse;
    KnuthRandom aleatoire{true};

    const Carte* choisit(const SituationAI& situation, int niveau, int joueurDoitChoisirAtout = 0,
                         bool departAtoutPlusHaut = true) {
        const int joueur = situation.aJouer();
        const AI_ProbaSimplifiee probas = situation.probas(analyse, niveau);
        return AI_ChoixCarte(joueur, niveau, departAtoutPlusHaut)
            .choisit(situation.partie, joueurDoitChoisirAtout, situation.mains[joueur], probas, aleatoire, analyse);
    }
};

}  // namespace

TEST(AI_ChoixCarte, ASinglePlayableCardIsPlayedWithoutSearch) {
    // Seat 1 must follow Coeur with its only one and holds no trump.
    const SituationAI situation(Atout::Carreau, DONNE_AS_EN_3, 0, "6C");
    Decision decision;
    EXPECT_EQ(decision.choisit(situation, 2), &c("7C"));
    KnuthRandom neuf(true);
    EXPECT_EQ(decision.aleatoire.tire(1000000), neuf.tire(1000000));
    ASSERT_EQ(decision.analyse.noeuds().size(), 1u);
    EXPECT_EQ(decision.analyse.noeuds()[0].texte, "Joueur 1");
    EXPECT_TRUE(decision.analyse.projections().empty());
}

TEST(AI_ChoixCarte, ATeamThatChoseTrumpLeadsItsHighestTrumpByHabit) {
    // Seat 0 chibred and its partner chose Coeur; seat 0 leads the first trick.
    const std::string mains[4] = {"VC AC 6T 7T 8T 9T XT DT RT", "6C 7C VT AT 6P 7P 8P 9P XP",
                                  "8C 9C XC 6K 7K 8K 9K XK VK", "DC RC DK RK AK VP DP RP AP"};
    const SituationAI situation(Atout::Coeur, mains, 0);
    Decision habitude;
    EXPECT_EQ(habitude.choisit(situation, 2, 0), &c("VC"));
    EXPECT_TRUE(habitude.analyse.projections().empty());

    // Without the habit, or when the opponents chose, every card is searched.
    Decision sansHabitude;
    sansHabitude.choisit(situation, 2, 0, false);
    EXPECT_EQ(sansHabitude.analyse.projections().size(), 9u);
    Decision adversaires;
    adversaires.choisit(situation, 2, 3);
    EXPECT_EQ(adversaires.analyse.projections().size(), 9u);

    // In a no-trump mode there is no trump to lead.
    const SituationAI sansAtout(Atout::HautEnBas, mains, 0);
    Decision hautEnBas;
    hautEnBas.choisit(sansAtout, 2, 0);
    EXPECT_EQ(hautEnBas.analyse.projections().size(), 9u);
}

TEST(AI_ChoixCarte, RepetitionsPerCandidateDependOnTheLevel) {
    EXPECT_EQ(AI_ChoixCarte::repetitions(0), 25);
    EXPECT_EQ(AI_ChoixCarte::repetitions(1), 4);
    EXPECT_EQ(AI_ChoixCarte::repetitions(2), 8);
    AssertionsRelevees relevees;
    EXPECT_EQ(AI_ChoixCarte::repetitions(3), 6);
    EXPECT_TRUE(relevees.contient("false"));
}

TEST(AI_ChoixCarte, ABeginnerSamplesEachCandidateTwentyFiveTimes) {
    const SituationAI situation(Atout::Pique, MAINS_MELANGEES, 1);
    AnalyseJoueur analyse;
    const AI_ProbaSimplifiee probas = situation.probas(analyse, 0);
    AI_HistoEvaluations histos(analyse, 257);
    KnuthRandom aleatoire(true);
    const CarteSet jouables = situation.partie.cartesJouables(situation.mains[1]);
    AI_ChoixCarte(1, 0, true).evalue(situation.partie, jouables, probas, aleatoire, histos);
    EXPECT_EQ(histos.cartes(), jouables);
    for (const Carte& carte : jouables) EXPECT_EQ(histos.nbDeFois(carte), 25) << carte.getIdentifiant();
}

TEST(AI_ChoixCarte, TheSameSituationAndGeneratorStateGiveTheSameCard) {
    SituationAI situation(Atout::Carreau, MAINS_MELANGEES, 2, "8T RT 6T");
    for (const int niveau : {0, 1, 2}) {
        Decision premiere, seconde;
        const Carte* carte = premiere.choisit(situation, niveau);
        EXPECT_EQ(seconde.choisit(situation, niveau), carte);
        EXPECT_EQ(premiere.aleatoire.tire(1000000), seconde.aleatoire.tire(1000000));
    }
}

// Seat 3 closes a trick its partner holds with the As of Pique. Adding the As of Coeur gains 11
// now, but the searches find that keeping it, the master of Coeur beside a partner holding every
// trump, keeps all nine tricks (and their 100 points) in reach far more often.
TEST(AI_ChoixCarte, KeepsTheMasterCardWhenAllTricksAreInReach) {
    const SituationAI situation(Atout::Pique, DONNE_AS_EN_3, 0, "6C AP 8C");
    for (const int niveau : {1, 2}) {
        Decision decision;
        EXPECT_EQ(decision.choisit(situation, niveau), &c("9C")) << niveau;
    }
}

// Seat 3 closes a trick the opponents hold with the Dix of Coeur: it takes it with the As.
TEST(AI_ChoixCarte, TakesAValuableTrickFromTheOpponents) {
    const SituationAI situation(Atout::Pique, DONNE_AS_EN_3, 0, "6C 7C XC");
    for (const int niveau : {0, 1, 2}) {
        Decision decision;
        EXPECT_EQ(decision.choisit(situation, niveau), &c("AC")) << niveau;
    }
}

// Tables that contradict the play (here the Roi of Coeur, said to be seat 0's, while seat 0 shows
// out of Coeur) cannot deal the unseen cards: after the internal errors the player still plays a
// card it may play.
TEST(AI_ChoixCarte, TablesThatCannotDealStillGiveAPlayableCard) {
    const SituationAI situation(Atout::Pique, MAINS_PAR_COULEUR, 3, "6C 6T");
    AnalyseJoueur analyse;
    AssertionsRelevees relevees;
    AI_ProbaSimplifiee contradictoires(analyse, 2);
    contradictoires.annonceCarte(0, Carte::Coeur, Carte::Roi);
    KnuthRandom aleatoire(true);
    const Carte* carte =
        AI_ChoixCarte(1, 2, true).choisit(situation.partie, 3, situation.mains[1], contradictoires, aleatoire, analyse);
    EXPECT_EQ(carte, &c("6K"));
    EXPECT_TRUE(relevees.contient("cartesEnJeuOriginal.size() == nbDeCartesDansLaDistrib"));
    EXPECT_TRUE(relevees.contient("carteQuiALaMeilleureMoyenne != -1"));
}
