#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "ai/AI_HistoEvaluationCarte.h"
#include "ai/AI_Simulation.h"
#include "ai/AnalyseJoueur.h"
#include "ai/SituationsAI.h"
#include "rules/KnuthRandom.h"

namespace {

// DONNE_AS_EN_3 with the As of Coeur at seat 2 and the Neuf of Carreau at seat 3.
const std::string DONNE_AS_EN_2[4] = {
    "6C 6T 7T 8T 9T XT VT DT RT",
    "7C AT 8P 9P XP VP DP RP AP",
    "8C XC VC DC RC 6K 7K 8K AC",
    "9C 9K 6P 7P XK VK DK RK AK",
};

// The search of a position whose last card is the candidate; samples go to seat `noJoueur`'s team.
struct Recherche {
    AnalyseJoueur analyse;
    AI_HistoEvaluations histos{analyse, 257};
    KnuthRandom aleatoire{true};
    SituationAI situation;
    const Carte& candidate;
    AI_HistoEvaluationCarte collecteur;
    AI_Simulation arbre;

    Recherche(const std::string (&mains)[4], int premier, const std::string& jouees, const std::string& derniere,
              int noJoueur)
        : situation(Atout::Pique, mains, premier, jouees + " " + derniere),
          candidate(c(derniere)),
          collecteur(histos, candidate, noJoueur),
          arbre(situation.mains, situation.partie, candidate, aleatoire, noJoueur, collecteur) {}

    // The children of a node that survive pruning, as cards.
    CarteSet survivants(int index) const {
        const AI_Simulation::Noeud& noeud = arbre.noeud(index);
        CarteSet result;
        for (int enfant = noeud.premierEnfant_; enfant < noeud.premierEnfant_ + noeud.nbEnfants_; ++enfant)
            if (!arbre.noeud(enfant).elimine_) result.insert(Carte::parTag(arbre.noeud(enfant).carteChoisie_));
        return result;
    }
};

int feuillesVivantes(const AI_Simulation& arbre, int index) {
    const AI_Simulation::Noeud& noeud = arbre.noeud(index);
    if (noeud.nouveau_) return 1;
    int total = 0;
    for (int enfant = noeud.premierEnfant_; enfant < noeud.premierEnfant_ + noeud.nbEnfants_; ++enfant)
        if (!arbre.noeud(enfant).elimine_) total += feuillesVivantes(arbre, enfant);
    return total;
}

// At a node whose children closed a trick, the survivors must be exactly the children that bring
// the closing team the most won cards, and among those the most points.
void verifieElagage(const AI_Simulation& arbre, int index) {
    const AI_Simulation::Noeud& noeud = arbre.noeud(index);
    std::pair<int, int> meilleur{-1, -1};
    const auto valeur = [](const AI_Simulation::Noeud& enfant) {
        const Partie& p = enfant.partie_;
        return enfant.equipe1_ ? std::pair{p.getCartesRamasseesEq1(), p.getPointsEquipe1()}
                               : std::pair{p.getCartesRamasseesEq2(), p.getPointsEquipe2()};
    };
    for (int enfant = noeud.premierEnfant_; enfant < noeud.premierEnfant_ + noeud.nbEnfants_; ++enfant)
        meilleur = std::max(meilleur, valeur(arbre.noeud(enfant)));
    for (int enfant = noeud.premierEnfant_; enfant < noeud.premierEnfant_ + noeud.nbEnfants_; ++enfant)
        EXPECT_EQ(arbre.noeud(enfant).elimine_, valeur(arbre.noeud(enfant)) != meilleur);
}

}  // namespace

TEST(AI_Simulation, TheClosingSeatKeepsOnlyTheCardThatBringsMostPoints) {
    // 6P, 7P and 9C all take the trick for nothing and form one group; the As of Coeur, later in
    // tag order, brings 11 and prunes the whole group.
    Recherche recherche(DONNE_AS_EN_3, 0, "6C 7C", "8C", 2);
    recherche.arbre.approfondit();
    EXPECT_EQ(recherche.arbre.nbNoeuds(), 4);
    EXPECT_EQ(recherche.survivants(recherche.arbre.racine()), ens("AC"));
}

TEST(AI_Simulation, EquallyGoodClosingCardsAreAllKeptAndLosingOnesPruned) {
    // Against the Roi of Coeur the Neuf loses; the two small trumps both take 4 points.
    Recherche recherche(DONNE_AS_EN_2, 0, "6C 7C", "RC", 2);
    recherche.arbre.approfondit();
    EXPECT_EQ(recherche.survivants(recherche.arbre.racine()), ens("6P 7P"));
}

TEST(AI_Simulation, WhenThePartnerHoldsTheTrickTheMostPointsAreAdded) {
    Recherche recherche(DONNE_AS_EN_3, 0, "6C AP", "8C", 2);
    recherche.arbre.approfondit();
    EXPECT_EQ(recherche.survivants(recherche.arbre.racine()), ens("AC"));
}

TEST(AI_Simulation, ThreeDeepeningsCompleteTheTrickAndPruneOnlyAtItsEnd) {
    Recherche recherche(DONNE_AS_EN_3, 0, "", "6C", 0);
    AI_Simulation& arbre = recherche.arbre;
    arbre.approfondit();
    // Seat 1 follows with the Sept or trumps with any of its seven Piques.
    EXPECT_EQ(arbre.nbNoeuds(), 8);
    arbre.approfondit();
    arbre.approfondit();
    const AI_Simulation::Noeud& racine = arbre.noeud(arbre.racine());
    int fermetures = 0;
    for (int n1 = racine.premierEnfant_; n1 < racine.premierEnfant_ + racine.nbEnfants_; ++n1) {
        const AI_Simulation::Noeud& noeud1 = arbre.noeud(n1);
        EXPECT_FALSE(noeud1.elimine_);
        for (int n2 = noeud1.premierEnfant_; n2 < noeud1.premierEnfant_ + noeud1.nbEnfants_; ++n2) {
            EXPECT_FALSE(arbre.noeud(n2).elimine_);
            verifieElagage(arbre, n2);
            ++fermetures;
        }
    }
    EXPECT_GT(fermetures, 8);
}

TEST(AI_Simulation, EverySurvivingLeafGivesOneSampleAndDestroyingFreesTheNodes) {
    int feuilles = 0;
    {
        Recherche recherche(DONNE_AS_EN_3, 0, "", "6C", 0);
        for (int i = 0; i < 5; ++i) recherche.arbre.approfondit();
        feuilles = feuillesVivantes(recherche.arbre, recherche.arbre.racine());
        recherche.arbre.joueAuHasard();
        EXPECT_EQ(recherche.histos.nbDeFois(c("6C")), feuilles);
        EXPECT_GE(recherche.histos.somme(c("6C")), 0);
        EXPECT_LE(recherche.histos.somme(c("6C")), 257.0 * feuilles);
    }
    EXPECT_GT(feuilles, 1);
    Recherche suivante(DONNE_AS_EN_3, 0, "", "6C", 0);
    EXPECT_EQ(suivante.arbre.nbNoeuds(), 0);
}

TEST(AI_Simulation, ACandidateThatEndsTheDealIsItsOwnSample) {
    SituationAI partieEntiere(Atout::Pique, DONNE_AS_EN_3, 0);
    partieEntiere.joueJusqua(35);
    const int dernier = partieEntiere.aJouer();
    const Carte& derniere = *partieEntiere.mains[dernier].begin();
    partieEntiere.joue(derniere);

    AnalyseJoueur analyse;
    AI_HistoEvaluations histos(analyse, 257);
    AI_HistoEvaluationCarte collecteur(histos, derniere, dernier);
    KnuthRandom aleatoire(true);
    AI_Simulation arbre(partieEntiere.mains, partieEntiere.partie, derniere, aleatoire, dernier, collecteur);
    arbre.approfondit();
    EXPECT_EQ(arbre.nbNoeuds(), 0);
    arbre.joueAuHasard();
    ASSERT_EQ(histos.nbDeFois(derniere), 1);
    const Partie& fin = partieEntiere.partie;
    EXPECT_EQ(histos.somme(derniere), dernier % 2 == 0 ? fin.getPointsEquipe1() : fin.getPointsEquipe2());
}

TEST(AI_Simulation, TheSameGeneratorStateGivesTheSameSamples) {
    double sommes[2];
    for (double& somme : sommes) {
        Recherche recherche(MAINS_MELANGEES, 1, "7T", "8T", 2);
        for (int i = 0; i < 4; ++i) recherche.arbre.approfondit();
        recherche.arbre.joueAuHasard();
        somme = recherche.histos.somme(c("8T"));
    }
    EXPECT_EQ(sommes[0], sommes[1]);
}
