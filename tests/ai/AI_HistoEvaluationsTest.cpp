#include <gtest/gtest.h>

#include "ai/AI_HistoEvaluationCarte.h"
#include "ai/AI_HistoEvaluations.h"
#include "support/AssertionsRelevees.h"
#include "support/Cartes.h"

TEST(AI_HistoEvaluations, KeepsCountSumAndDistinctValuesPerCard) {
    AnalyseJoueur analyse;
    AI_HistoEvaluations histos(analyse, 257);
    AI_HistoEvaluationCarte collecteur(histos, c("AC"), 1);
    EXPECT_FALSE(collecteur.estEquipe1());
    for (const double points : {20.0, 20.0, 37.0}) collecteur.ajoute(points);
    EXPECT_EQ(histos.nbDeFois(c("AC")), 3);
    EXPECT_DOUBLE_EQ(histos.somme(c("AC")) / histos.nbDeFois(c("AC")), 77.0 / 3);
    EXPECT_EQ(histos.points().size(c("AC")), 2);
    EXPECT_EQ(histos.cartes(), ens("AC"));
}

TEST(AI_HistoEvaluations, EachCandidateGetsOneEmptyProjectionPageOverTheDealsRange) {
    AnalyseJoueur analyse;
    AI_HistoEvaluations histos(analyse, 514);
    histos.ajoute(c("6T"), 10);
    histos.ajoute(c("AC"), 0);
    histos.ajoute(c("6T"), 30);
    ASSERT_EQ(analyse.projections().size(), 2u);
    EXPECT_EQ(analyse.projections()[0]->titre, c("6T").getNom());
    EXPECT_EQ(analyse.projections()[1]->titre, c("AC").getNom());
    EXPECT_EQ(analyse.projections()[1]->maximum, 524);
    EXPECT_TRUE(analyse.projections()[0]->serie.empty());
}

TEST(AI_HistoEvaluations, TheBestMeanWinsAndALaterTagWinsATie) {
    AnalyseJoueur analyse;
    AI_HistoEvaluations histos(analyse, 257);
    histos.ajoute(c("AT"), 50);
    histos.ajoute(c("AT"), 70);
    histos.ajoute(c("6K"), 60);
    histos.ajoute(c("9P"), 59);
    EXPECT_EQ(histos.meilleureCarte(), &c("6K"));
    histos.ajoute(c("6C"), 0);
    histos.ajoute(c("6C"), 120);
    EXPECT_EQ(histos.meilleureCarte(), &c("6C"));
}

TEST(AI_HistoEvaluations, ACardWhoseMeanIsZeroCanBeChosen) {
    AnalyseJoueur analyse;
    AI_HistoEvaluations histos(analyse, 257);
    histos.ajoute(c("7K"), 0);
    EXPECT_EQ(histos.meilleureCarte(), &c("7K"));
}

TEST(AI_HistoEvaluations, NoSampleIsAnInternalError) {
    AnalyseJoueur analyse;
    const AI_HistoEvaluations histos(analyse, 257);
    AssertionsRelevees relevees;
    EXPECT_EQ(histos.meilleureCarte(), nullptr);
    EXPECT_TRUE(relevees.contient("carteQuiALaMeilleureMoyenne != -1"));
}
