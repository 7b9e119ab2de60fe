#include <gtest/gtest.h>

#include "ai/AnalyseJoueur.h"
#include "ai/DistributionProbableDesCartes.h"
#include "rules/OptionsDuJoueur.h"
#include "rules/KnuthRandom.h"
#include "support/AssertionsRelevees.h"
#include "support/Cartes.h"
#include "ai/SituationsAI.h"

namespace {

// The distribution of the player at seat 0, with or without the habit of leading the highest
// trump, shown in its own analysis.
struct Distribution {
    AnalyseJoueur analyse;
    OptionsDuJoueur options;
    DistributionProbableDesCartes d;

    explicit Distribution(bool departAtoutPlusHaut = false, int noJoueur = 0)
        : options("Moi", departAtoutPlusHaut, 1, false, OptionsDuJoueur::Ordinateur, 2), d(analyse, options, noJoueur) {}

    std::array<float, 4> p(const std::string& carte) const {
        return {d.probabilite(c(carte), 0), d.probabilite(c(carte), 1), d.probabilite(c(carte), 2),
                d.probabilite(c(carte), 3)};
    }
};

void expectEntrees(const std::array<float, 4>& p, const std::array<float, 4>& attendu, const std::string& quoi) {
    for (int joueur = 0; joueur < 4; ++joueur) EXPECT_NEAR(p[joueur], attendu[joueur], 1e-6) << quoi << " seat " << joueur;
}

constexpr float TIERS = 1.0f / 3;

}  // namespace

TEST(DistributionProbableDesCartes, StartsEvenAndLearnsAHandWithCertainty) {
    Distribution distribution;
    expectEntrees(distribution.p("AC"), {0.25f, 0.25f, 0.25f, 0.25f}, "reset");
    // The charts show the matrix: one stacked bar per rank, split by seat.
    EXPECT_FLOAT_EQ(distribution.analyse.graphique(Carte::Coeur).series[3][8].hauteur, 0.25);

    const CarteSet main = ens("6T 7T 8T 9K XK DP RP AP VC");
    distribution.d.fixeMain(main, 0, 1.0f);
    for (const Carte& carte : CarteSet::complet())
        for (int joueur = 0; joueur < 4; ++joueur) {
            const float attendu = main.contient(carte) ? (joueur == 0 ? 1.0f : 0.0f) : (joueur == 0 ? 0.0f : TIERS);
            EXPECT_NEAR(distribution.d.probabilite(carte, joueur), attendu, 1e-6) << carte.getNom() << " seat " << joueur;
        }
    EXPECT_FLOAT_EQ(distribution.analyse.graphique(Carte::Coeur).series[0][Carte::Valet - 6].hauteur, 1.0);

    distribution.d.reinitialise();
    expectEntrees(distribution.p("VC"), {0.25f, 0.25f, 0.25f, 0.25f}, "reset again");
}

// What is known outweighs what is guessed: a seat set to 0 stays out, the last possible seat
// keeps the card, a certain card ignores later guesses.
TEST(DistributionProbableDesCartes, ExcludedSeatsStayOutAndCertainCardsStayCertain) {
    Distribution distribution;
    distribution.d.fixeProbabilite(Carte::Coeur, Carte::As, 1, 0.0f);
    expectEntrees(distribution.p("AC"), {TIERS, 0, TIERS, TIERS}, "seat 1 out");
    distribution.d.fixeProbabilite(Carte::Coeur, Carte::As, 1, 0.9f);
    expectEntrees(distribution.p("AC"), {TIERS, 0, TIERS, TIERS}, "seat 1 never let in again");
    distribution.d.fixeProbabilite(Carte::Coeur, Carte::As, 0, 0.0f);
    distribution.d.fixeProbabilite(Carte::Coeur, Carte::As, 2, 0.0f);
    distribution.d.fixeProbabilite(Carte::Coeur, Carte::As, 3, 0.0f);
    expectEntrees(distribution.p("AC"), {0, 0, 0, 1}, "the last possible seat keeps it");

    distribution.d.fixeProbabilite(Carte::Coeur, Carte::Roi, 2, 1.0f);
    distribution.d.fixeProbabilite(Carte::Coeur, Carte::Roi, 0, 0.7f);
    expectEntrees(distribution.p("RC"), {0, 0, 1, 0}, "certain");
    distribution.d.elimine(Carte::Coeur, Carte::Roi);
    EXPECT_TRUE(distribution.d.estEliminee(Carte::Coeur, Carte::Roi));
}

// A told hand with confidence 0.7: its cards 0.7 at that seat, the others 0.3 there, the rest
// spread over the other seats in proportion.
TEST(DistributionProbableDesCartes, AToldHandIsBelievedWithItsConfidence) {
    Distribution distribution;
    distribution.d.fixeMain(ens("6T 7T 8T 9T XT VT DT RT AT"), 0, 1.0f);
    distribution.d.fixeMain(ens("6K 7K 8K 9K XK VK DK RK AK"), 1, 0.7f);
    expectEntrees(distribution.p("AK"), {0, 0.7f, 0.15f, 0.15f}, "told");
    expectEntrees(distribution.p("AP"), {0, 0.3f, 0.35f, 0.35f}, "not told");
    expectEntrees(distribution.p("AT"), {1, 0, 0, 0}, "own");
}

// Seat 1 leads Coeur and seat 2 plays a Pique: seat 2 has no Coeur left, except that a player
// may keep the trump Valet back.
TEST(DistributionProbableDesCartes, PlayedCardsLeaveAndASeatThatDoesNotFollowLosesTheSuit) {
    const std::string mains[4] = {
        "6T 7T 8T 9T XT VT DT RT AT", "6C 7C 8C 9C XC VC DC RC AC", "6P 7P 8P 9P XP VP DP RP AP",
        "6K 7K 8K 9K XK VK DK RK AK"};
    struct Cas {
        Atout atout;
        float valetDeCoeurEnSiege2;
    };
    for (const Cas& cas : {Cas{Atout::Coeur, TIERS}, Cas{Atout::Trefle, 0.0f}}) {
        const SituationAI situation(cas.atout, mains, 1, "6C 6P");
        Distribution distribution;
        distribution.d.fixeMain(situation.donnees[0], 0, 1.0f);
        distribution.d.carteJouee(c("6P"), situation.partie);
        EXPECT_TRUE(distribution.d.estEliminee(Carte::Coeur, Carte::Six));
        EXPECT_TRUE(distribution.d.estEliminee(Carte::Pique, Carte::Six));
        expectEntrees(distribution.p("AC"), {0, 0.5f, 0, 0.5f}, nomAtout(cas.atout));
        EXPECT_NEAR(distribution.d.probabilite(c("VC"), 2), cas.valetDeCoeurEnSiege2, 1e-6) << nomAtout(cas.atout);
        // Played cards are shown as no bar at all.
        for (const auto& serie : distribution.analyse.graphique(Carte::Coeur).series) EXPECT_EQ(serie[0].hauteur, 0);
    }
}

// The first card of a trump deal: each trump not yet certain elsewhere gets 0.5 at the seat that
// named trump; with the habit, the leader's partner takes the higher trumps from the leader.
TEST(DistributionProbableDesCartes, TheFirstTrumpLeadShiftsWeight) {
    const std::string mains[4] = {
        "6T 7T 8T 9T XT VT DT RT AT", "6K 7K 8K 9K XK VK DK RK 6P", "7P 8P 9P XP VP DP RP AP 6C",
        "7C 8C 9C XC VC DC RC AC AK"};
    SituationAI situation(Atout::Coeur, mains, 1, "6P");
    // Seat 1 named Coeur and led; seat 3 is its partner and has the habit.
    Distribution partenaire(true, 3);
    partenaire.d.fixeMain(situation.donnees[3], 3, 1.0f);
    partenaire.d.carteJouee(c("6P"), situation.partie);
    expectEntrees(partenaire.p("6C"), {0.25f, 0.5f, 0.25f, 0}, "trump at the seat that named it");
    expectEntrees(partenaire.p("AC"), {0, 0, 0, 1}, "certain elsewhere: untouched");

    SituationAI atoutMene(Atout::Pique, mains, 1, "6P");
    Distribution avecHabitude(true, 3);
    Distribution sansHabitude(false, 3);
    for (Distribution* d : {&avecHabitude, &sansHabitude}) {
        d->d.fixeMain(atoutMene.donnees[3], 3, 1.0f);
        d->d.carteJouee(c("6P"), atoutMene.partie);
    }
    EXPECT_NEAR(sansHabitude.d.probabilite(c("AP"), 1), 0.5f, 1e-6);
    EXPECT_NEAR(avecHabitude.d.probabilite(c("AP"), 1), 0.15f, 1e-6);
    EXPECT_NEAR(avecHabitude.d.probabilite(c("AP"), 0) + avecHabitude.d.probabilite(c("AP"), 2), 0.85f, 1e-6);
}

TEST(DistributionProbableDesCartes, DrawsHandsOfTheQuotasWithCertainCardsInPlace) {
    Distribution distribution;
    const CarteSet enJeu = ens("6C 7C 8C 9C XC VC DC RC AC 6P");
    for (const Carte& carte : CarteSet::complet().sauf(enJeu)) distribution.d.elimine(carte.getCouleur(), carte.getPosition());
    distribution.d.fixeProbabilite(Carte::Coeur, Carte::As, 2, 1.0f);
    KnuthRandom random(true);
    for (int tirage = 0; tirage < 50; ++tirage) {
        CarteSet mains[4];
        ASSERT_TRUE(distribution.d.tireLesMains(mains, {3, 3, 2, 2}, enJeu, random));
        EXPECT_EQ(mains[0].size(), 3u);
        EXPECT_EQ(mains[1].size(), 3u);
        EXPECT_EQ(mains[2].size(), 2u);
        EXPECT_EQ(mains[3].size(), 2u);
        EXPECT_EQ(mains[0] | mains[1] | mains[2] | mains[3], enJeu);
        EXPECT_TRUE(mains[2].contient(c("AC")));
    }
}

// Beliefs that leave no complete deal (here seat 1 may hold none of the cards but must get
// three) are an internal error, reported once, and no endless drawing.
TEST(DistributionProbableDesCartes, BeliefsWithoutAnyDealAreAnInternalErrorNotAnEndlessDraw) {
    AssertionsRelevees relevees;
    Distribution distribution;
    const CarteSet enJeu = ens("6C 7C 8C 9C XC VC");
    for (const Carte& carte : CarteSet::complet().sauf(enJeu)) distribution.d.elimine(carte.getCouleur(), carte.getPosition());
    for (const Carte& carte : enJeu) distribution.d.fixeProbabilite(carte.getCouleur(), carte.getPosition(), 1, 0.0f);
    KnuthRandom random(true);
    CarteSet mains[4];
    EXPECT_FALSE(distribution.d.tireLesMains(mains, {1, 3, 1, 1}, enJeu, random));
    EXPECT_EQ(relevees.toutes().size(), 1u);
    EXPECT_TRUE(relevees.contient("uneDonneExiste"));
}

// Beliefs so narrow that whole draws almost never fit still give a deal that fits them.
TEST(DistributionProbableDesCartes, NarrowBeliefsStillGiveAFittingDeal) {
    Distribution distribution;
    const CarteSet enJeu = ens("6C 7C 8C 9C XC VC DC RC");
    for (const Carte& carte : CarteSet::complet().sauf(enJeu)) distribution.d.elimine(carte.getCouleur(), carte.getPosition());
    // Every card leans to seat 0, which takes only one of them; seat 3 may hold only the Roi.
    for (const Carte& carte : enJeu) {
        distribution.d.fixeProbabilite(carte.getCouleur(), carte.getPosition(), 0, 0.97f);
        if (carte.getPosition() != Carte::Roi) distribution.d.fixeProbabilite(carte.getCouleur(), carte.getPosition(), 3, 0.0f);
    }
    KnuthRandom random(true);
    CarteSet mains[4];
    AssertionsRelevees relevees;
    ASSERT_TRUE(distribution.d.tireLesMains(mains, {1, 3, 3, 1}, enJeu, random));
    EXPECT_EQ(mains[3], ens("RC"));
    EXPECT_EQ(mains[0].size(), 1u);
    EXPECT_EQ(mains[0] | mains[1] | mains[2] | mains[3], enJeu);
    EXPECT_TRUE(relevees.vide());
}

// The draw has a granularity of 1 %: r = 99 gives the threshold 1.00, which a card summing to
// 0.99995 still reaches at its last seat; a seat with probability 0 is never drawn.
TEST(DistributionProbableDesCartes, TheSeatDrawReachesTheLastSeatAndSkipsEmptyOnes) {
    Distribution distribution;
    distribution.d.fixeProbabilite(Carte::Coeur, Carte::As, 3, 0.0f);
    KnuthRandom random(true);
    int parSiege[4] = {};
    for (int tirage = 0; tirage < 3000; ++tirage) ++parSiege[distribution.d.tireJoueur(Carte::Coeur, Carte::As, random)];
    EXPECT_EQ(parSiege[3], 0);
    for (int joueur = 0; joueur < 3; ++joueur) EXPECT_NEAR(parSiege[joueur], 1000, 120) << joueur;
    for (int tirage = 0; tirage < 3000; ++tirage) EXPECT_LT(distribution.d.tireJoueur(Carte::Coeur, Carte::Six, random), 4);
}
