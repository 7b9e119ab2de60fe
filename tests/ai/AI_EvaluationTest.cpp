#include <gtest/gtest.h>

#include "ai/AI_Evaluation.h"
#include "ai/AI_HistoEvaluationCarte.h"
#include "ai/AnalyseJoueur.h"
#include "ai/SituationsAI.h"
#include "rules/KnuthRandom.h"

TEST(AI_Evaluation, SeatsThatHaveNotPlayedInTheTrickGetOneCardMore) {
    SituationAI situation(Atout::Pique, MAINS_MELANGEES, 0);
    situation.joueJusqua(32);
    int nombres[4];
    AI_Evaluation::nombresDeCartes(situation.partie, nombres);
    for (const int nombre : nombres) EXPECT_EQ(nombre, 1);

    SituationAI milieu(Atout::Pique, MAINS_MELANGEES, 0);
    milieu.joueJusqua(30);
    AI_Evaluation::nombresDeCartes(milieu.partie, nombres);
    const int meneur = milieu.partie.getJoueurQuiACommence();
    for (int joueur = 0; joueur < 4; ++joueur) {
        const bool aJoue = joueur == meneur || joueur == (meneur + 1) % 4;
        EXPECT_EQ(nombres[joueur], aJoue ? 1 : 2) << joueur;
    }
}

TEST(AI_Evaluation, DealsTheUnplayedCardsInTheRightCounts) {
    AnalyseJoueur analyse;
    SituationAI situation(Atout::Coeur, MAINS_MELANGEES, 2, "8T RT");
    AI_ProbaSimplifiee probas = situation.probas(analyse, 0);
    KnuthRandom aleatoire(true);
    const AI_Evaluation evaluation(probas, situation.partie, 3, 0, aleatoire);
    const int attendus[4] = {9, 9, 8, 8};
    CarteSet toutes;
    for (int joueur = 0; joueur < 4; ++joueur) {
        EXPECT_EQ(static_cast<int>(evaluation.mains()[joueur].size()), attendus[joueur]);
        toutes = toutes | evaluation.mains()[joueur];
    }
    EXPECT_EQ(toutes, situation.partie.getCartesEnJeu());
}

TEST(AI_Evaluation, AtLevelZeroEachEvaluationIsOneSample) {
    AnalyseJoueur analyse;
    AI_HistoEvaluations histos(analyse, 257);
    SituationAI situation(Atout::Coeur, MAINS_MELANGEES, 0, "6T");
    const AI_ProbaSimplifiee probas = situation.probas(analyse, 0);
    AI_HistoEvaluationCarte collecteur(histos, c("6T"), 0);
    KnuthRandom aleatoire(true);
    for (int i = 1; i <= 3; ++i) {
        AI_ProbaSimplifiee copie = probas;
        AI_Evaluation evaluation(copie, situation.partie, 0, 0, aleatoire);
        evaluation.evalue(c("6T"), collecteur);
        EXPECT_EQ(histos.nbDeFois(c("6T")), i);
    }
}

TEST(AI_Evaluation, AtLevelTwoTheSearchGivesManySamples) {
    AnalyseJoueur analyse;
    AI_HistoEvaluations histos(analyse, 257);
    SituationAI situation(Atout::Coeur, MAINS_MELANGEES, 0, "6T");
    AI_ProbaSimplifiee probas = situation.probas(analyse, 2);
    AI_HistoEvaluationCarte collecteur(histos, c("6T"), 0);
    KnuthRandom aleatoire(true);
    AI_Evaluation evaluation(probas, situation.partie, 0, 2, aleatoire);
    evaluation.evalue(c("6T"), collecteur);
    EXPECT_GT(histos.nbDeFois(c("6T")), 1);
}
