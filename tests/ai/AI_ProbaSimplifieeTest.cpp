#include <gtest/gtest.h>

#include "ai/AI_ProbaSimplifiee.h"
#include "ai/AnalyseJoueur.h"
#include "ai/SituationsAI.h"
#include "rules/KnuthRandom.h"
#include "support/AssertionsRelevees.h"

namespace {

bool memesMains(const CarteSet (&a)[4], const CarteSet (&b)[4]) {
    for (int joueur = 0; joueur < 4; ++joueur)
        if (a[joueur] != b[joueur]) return false;
    return true;
}

}  // namespace

TEST(AI_ProbaSimplifiee, AfterResetEverySeatMayHoldEveryCardAndAllAreDealt) {
    AnalyseJoueur analyse;
    AI_ProbaSimplifiee probas(analyse, 2);
    for (int joueur = 0; joueur < 4; ++joueur)
        for (const Carte& carte : CarteSet::complet()) {
            EXPECT_TRUE(probas.peutAvoir(joueur, carte));
            EXPECT_FALSE(probas.aCarte(joueur, carte));
        }
    // Nobody is known to hold anything: every card goes to a random seat.
    AssertionsRelevees relevees;
    KnuthRandom aleatoire(true);
    CarteSet mains[4];
    const int nombres[4] = {9, 9, 9, 9};
    ASSERT_TRUE(probas.distribueMains(mains, nombres, CarteSet::complet(), aleatoire));
    EXPECT_EQ((mains[0] | mains[1] | mains[2] | mains[3]), CarteSet::complet());
    for (const CarteSet& main : mains) EXPECT_EQ(main.size(), 9u);
}

TEST(AI_ProbaSimplifiee, ShowingOutOfALedSuitRulesItOutExceptTheTrumpValet) {
    AnalyseJoueur analyse;
    {
        // Under Pique, seat 1 discards a Coeur on the Trefle lead: it holds no Trefle any more.
        const std::string mains[4] = {"6T 7T 8T 9T XT VT DT RT AT", "6C 7K 8K 9K XK VK DK RK AK",
                                      "6P 7P 8P 9P XP VP DP RP AP", "6K 7C 8C 9C XC VC DC RC AC"};
        const SituationAI situation(Atout::Pique, mains, 0, "AT 6C");
        const AI_ProbaSimplifiee probas = situation.probas(analyse, 2);
        for (const Carte& carte : CarteSet::complet().deCouleur(Carte::Trefle))
            EXPECT_FALSE(probas.peutAvoir(1, carte)) << carte.getIdentifiant();
        EXPECT_TRUE(probas.peutAvoir(2, c("VT")));
        EXPECT_TRUE(probas.peutAvoir(1, c("7C")));
    }
    {
        // Under Trefle, seat 1 may keep back the trump Valet when trump is led.
        const std::string mains[4] = {"6T 7T 8T 9T XT 6K DT RT AT", "VT 7K 8K 9K XK VK DK RK 6C",
                                      "6P 7P 8P 9P XP VP DP RP AP", "AK 7C 8C 9C XC VC DC RC AC"};
        const SituationAI situation(Atout::Trefle, mains, 0, "AT 6C");
        const AI_ProbaSimplifiee probas = situation.probas(analyse, 2);
        EXPECT_TRUE(probas.peutAvoir(1, c("VT")));
        EXPECT_FALSE(probas.peutAvoir(1, c("RT")));
        EXPECT_FALSE(probas.peutAvoir(1, c("6T")));
    }
}

TEST(AI_ProbaSimplifiee, APlayedCardIsHeldByNobodyAndDealtToNobody) {
    AnalyseJoueur analyse;
    SituationAI situation(Atout::Pique, MAINS_MELANGEES, 3, "AC");
    AI_ProbaSimplifiee probas = situation.probas(analyse, 2);
    for (int joueur = 0; joueur < 4; ++joueur) {
        EXPECT_FALSE(probas.peutAvoir(joueur, c("AC")));
        EXPECT_FALSE(probas.aCarte(joueur, c("AC")));
    }
    KnuthRandom aleatoire(true);
    CarteSet mains[4];
    const int nombres[4] = {9, 9, 9, 8};
    ASSERT_TRUE(probas.distribueMains(mains, nombres, situation.partie.getCartesEnJeu(), aleatoire));
    for (const CarteSet& main : mains) EXPECT_FALSE(main.contient(c("AC")));
}

// The table tells every hand, so at levels 1 and 2 only the first card of a deal may go astray,
// and if it does, its seat overflows and the new attempt gives every card to its true holder.
TEST(AI_ProbaSimplifiee, AtLevelsOneAndTwoSimulatedDealsAreTheTrueHands) {
    AnalyseJoueur analyse;
    for (const int niveau : {1, 2}) {
        SituationAI situation(Atout::Coeur, MAINS_MELANGEES, 0, "6T 7T 8T RT XP");
        const AI_ProbaSimplifiee probas = situation.probas(analyse, niveau);
        KnuthRandom aleatoire(true);
        const int nombres[4] = {8, 8, 8, 7};
        for (int essai = 0; essai < 20; ++essai) {
            AI_ProbaSimplifiee copie = probas;
            CarteSet mains[4];
            ASSERT_TRUE(copie.distribueMains(mains, nombres, situation.partie.getCartesEnJeu(), aleatoire));
            EXPECT_TRUE(memesMains(mains, situation.mains)) << niveau << " " << essai;
        }
    }
}

// With two seats that may hold the first card and room for it in both, the first card alone
// follows the draw.
TEST(AI_ProbaSimplifiee, AtLevelOneOnlyTheFirstCallDrawsASeat) {
    AnalyseJoueur analyse;
    AI_ProbaSimplifiee probas(analyse, 1);
    probas.ajouteMain(ens("6T"), 2);
    KnuthRandom aleatoire(true);
    int premiers[4] = {0, 0, 0, 0};
    for (int essai = 0; essai < 40; ++essai) {
        AI_ProbaSimplifiee copie = probas;
        ++premiers[copie.choisitJoueur(Carte::Trefle, Carte::Six, aleatoire)];
        for (int appel = 2; appel <= 6; ++appel) EXPECT_EQ(copie.choisitJoueur(Carte::Trefle, Carte::Six, aleatoire), 2);
    }
    EXPECT_GT(premiers[0] + premiers[1] + premiers[3], 0);
}

TEST(AI_ProbaSimplifiee, AtLevelZeroEveryThirdCallFromTheFourthUsesTheTrueHolder) {
    AnalyseJoueur analyse;
    AI_ProbaSimplifiee probas(analyse, 0);
    probas.ajouteMain(ens("AC"), 1);
    KnuthRandom aleatoire(true);
    int aleatoiresAilleurs = 0;
    for (int appel = 1; appel <= 30; ++appel) {
        const int joueur = probas.choisitJoueur(Carte::Coeur, Carte::As, aleatoire);
        if (appel % 3 == 1 && appel > 1)
            EXPECT_EQ(joueur, 1) << appel;
        else if (joueur != 1)
            ++aleatoiresAilleurs;
    }
    EXPECT_GT(aleatoiresAilleurs, 5);
}

TEST(AI_ProbaSimplifiee, AtLevelZeroDealsFitTheCountsAndRespectTheTables) {
    AnalyseJoueur analyse;
    // Seats 0 and 1 show out of Coeur in the second trick.
    SituationAI situation(Atout::Pique, MAINS_MELANGEES, 0, "6C 7C 8C AC 9C 6T 7T");
    const AI_ProbaSimplifiee probas = situation.probas(analyse, 0);
    KnuthRandom aleatoire(true);
    const int nombres[4] = {7, 7, 8, 7};
    bool unEcart = false;
    for (int essai = 0; essai < 20; ++essai) {
        AI_ProbaSimplifiee copie = probas;
        CarteSet mains[4];
        ASSERT_TRUE(copie.distribueMains(mains, nombres, situation.partie.getCartesEnJeu(), aleatoire));
        for (int joueur = 0; joueur < 4; ++joueur) {
            EXPECT_EQ(static_cast<int>(mains[joueur].size()), nombres[joueur]);
            for (const Carte& carte : mains[joueur]) EXPECT_TRUE(probas.peutAvoir(joueur, carte));
        }
        EXPECT_TRUE(mains[0].deCouleur(Carte::Coeur).empty());
        EXPECT_TRUE(mains[1].deCouleur(Carte::Coeur).empty());
        unEcart = unEcart || !memesMains(mains, situation.mains);
    }
    EXPECT_TRUE(unEcart);
}

TEST(AI_ProbaSimplifiee, AMeldCardBelongsToItsAnnouncerOnly) {
    AnalyseJoueur analyse;
    const SituationAI situation(Atout::Pique, MAINS_MELANGEES, 0);
    AI_ProbaSimplifiee probas = situation.probas(analyse, 2);
    probas.annonceCarte(3, Carte::Coeur, Carte::Dame);
    EXPECT_TRUE(probas.peutAvoir(3, c("DC")));
    for (const int joueur : {0, 1, 2}) EXPECT_FALSE(probas.peutAvoir(joueur, c("DC")));

    AssertionsRelevees relevees;
    probas.annonceCarte(0, Carte::Coeur, Carte::Roi);
    EXPECT_TRUE(relevees.contient("joueurACarte_[jourQuiAnnonce][pos][coul] == true"));
}

TEST(AI_ProbaSimplifiee, AHandIsToldOnlyOnce) {
    AnalyseJoueur analyse;
    AI_ProbaSimplifiee probas(analyse, 2);
    probas.ajouteMain(ens("6T 7T"), 0);
    AssertionsRelevees relevees;
    probas.ajouteMain(ens("7T"), 0);
    EXPECT_TRUE(relevees.contient("joueurACarte_[noJoueur][(*i)->position()][(*i)->couleur()] == false"));
}

TEST(AI_ProbaSimplifiee, TablesThatDoNotMatchTheUnplayedCardsDealNothing) {
    AnalyseJoueur analyse;
    AI_ProbaSimplifiee probas(analyse, 2);
    KnuthRandom aleatoire(true);
    CarteSet mains[4];
    const int nombres[4] = {2, 2, 2, 2};
    AssertionsRelevees relevees;
    EXPECT_FALSE(probas.distribueMains(mains, nombres, ens("6T 7T 8T 9T XT VT DT RT"), aleatoire));
    EXPECT_TRUE(relevees.contient("cartesEnJeuOriginal.size() == nbDeCartesDansLaDistrib"));
}

TEST(AI_ProbaSimplifiee, ChartsShowPerSuitAndSeatWhichRanksTheSeatMayHold) {
    AnalyseJoueur analyse;
    int signaux = 0;
    analyse.changement = [&](AnalyseJoueur::Zone zone) { signaux += zone == AnalyseJoueur::Zone::Distribution; };
    SituationAI situation(Atout::Pique, MAINS_MELANGEES, 3, "AC");
    situation.probas(analyse, 2);
    EXPECT_GE(signaux, 2);
    const AnalyseJoueur::Serie& serie = analyse.graphique(Carte::Coeur).series[3];
    ASSERT_EQ(serie.size(), 9u);
    EXPECT_EQ(serie[0].x, 6);
    EXPECT_EQ(serie[0].libelle, nomPosition(Carte::Six));
    EXPECT_EQ(serie[0].hauteur, 1);
    EXPECT_EQ(serie[8].x, 14);
    EXPECT_EQ(serie[8].hauteur, 0);
    EXPECT_EQ(analyse.graphique(Carte::Trefle).series[0][8].hauteur, 1);
}

TEST(AI_ProbaSimplifiee, ALevelOutsideZeroToTwoIsAnInternalError) {
    AnalyseJoueur analyse;
    AssertionsRelevees relevees;
    const AI_ProbaSimplifiee probas(analyse, 3);
    EXPECT_TRUE(relevees.contient("false"));
    EXPECT_EQ(probas.rythme(), 1);
}
