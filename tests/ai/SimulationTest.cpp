#include <gtest/gtest.h>

#include <algorithm>

#include "ai/AnalyseJoueur.h"
#include "ai/ChoixParSimulation.h"
#include "ai/DistributionProbableDesCartes.h"
#include "ai/Probabilite.h"
#include "ai/ScoreDeSimulation.h"
#include "ai/Simulation.h"
#include "ai/SituationsAI.h"
#include "rules/OptionsDuJoueur.h"
#include "rules/KnuthRandom.h"
#include "support/AssertionsRelevees.h"

namespace {

// What the deciding seat's team keeps with best play on both sides, found by trying every line.
int meilleurScore(const PartieSimulee& position, int decideur) {
    if (position.partie_.estTerminee()) return position.score(decideur);
    const int joueur = position.partie_.noDuProchainAJouer();
    const bool notreEquipe = joueur % 2 == decideur % 2;
    int meilleur = notreEquipe ? -1 : 1 << 20;
    for (const Carte& carte : position.cartesJouables()) {
        PartieSimulee suite = position;
        suite.joue(carte);
        const int valeur = meilleurScore(suite, decideur);
        meilleur = notreEquipe ? std::max(meilleur, valeur) : std::min(meilleur, valeur);
    }
    return meilleur;
}

// A player who knows every hand of a deal in progress.
struct Voyant {
    AnalyseJoueur analyse;
    OptionsDuJoueur options{"Moi", false, 1, false, OptionsDuJoueur::Ordinateur, 2};
    DistributionProbableDesCartes distribution;

    Voyant(const SituationAI& situation, int noJoueur) : distribution(analyse, options, noJoueur) {
        for (int joueur = 0; joueur < 4; ++joueur) distribution.fixeMain(situation.donnees[joueur], joueur, 1.0f);
        if (situation.partie.nbCartesJouees() > 0) distribution.carteJouee(*situation.jouees.back(), situation.partie);
    }
};

}  // namespace

TEST(Simulation, SamplesGrowWithTheDealAndAlternativesShrinkWithDepthByLevel) {
    struct Echantillons {
        unsigned jouees;
        int nombre;
    };
    for (const Echantillons& cas : {Echantillons{0, 5}, Echantillons{17, 10}, Echantillons{30, 15}})
        EXPECT_EQ(ChoixParSimulation::nbSimulations(cas.jouees), cas.nombre) << cas.jouees;

    struct Alternatives {
        int niveau;
        int profondeur;
        int nombre;
    };
    for (const Alternatives& cas : {Alternatives{0, 0, 1}, Alternatives{1, 0, 7}, Alternatives{1, 6, 1},
                                    Alternatives{2, 0, 8}, Alternatives{2, 1, 7}, Alternatives{2, 7, 1},
                                    Alternatives{2, 20, 1}, Alternatives{3, 0, 1}})
        EXPECT_EQ(Simulation::nbAlternatives(cas.niveau, cas.profondeur), cas.nombre)
            << cas.niveau << " at depth " << cas.profondeur;
}

// Near the end a level-2 search tries every line: told every hand, it reaches the best score
// with best play on both sides, and the card it names keeps that score.
TEST(Simulation, AFullSearchOfAKnownDealFindsTheBestLine) {
    struct Cas {
        const std::string (&mains)[4];
        Atout atout;
        int premier;
        unsigned jouees;
        int multiplicateur;
    };
    for (const Cas& cas : {Cas{MAINS_MELANGEES, Atout::Coeur, 0, 24, 1}, Cas{MAINS_MELANGEES, Atout::Pique, 1, 25, 2},
                           Cas{DONNE_AS_EN_3, Atout::Pique, 3, 26, 1}, Cas{MAINS_MELANGEES, Atout::HautEnBas, 2, 27, 3}}) {
        SituationAI situation(cas.atout, cas.mains, cas.premier, "", cas.multiplicateur);
        situation.joueJusqua(cas.jouees);
        const int decideur = situation.aJouer();
        Voyant voyant(situation, decideur);
        KnuthRandom random(true);
        Simulation simulation(voyant.distribution, situation.partie, situation.mains[decideur], decideur, 2, random,
                              voyant.analyse);
        ASSERT_TRUE(simulation.mainsTirees());
        const PartieSimulee depart{{situation.mains[0], situation.mains[1], situation.mains[2], situation.mains[3]},
                                   situation.partie};
        int score = -1;
        const int racine = voyant.analyse.ajouteRacine("Joueur");
        const Carte& carte = simulation.simule(racine, score);
        EXPECT_EQ(score, meilleurScore(depart, decideur)) << cas.jouees;
        PartieSimulee apres = depart;
        apres.joue(carte);
        EXPECT_EQ(meilleurScore(apres, decideur), score) << carte.getNom();
        // The sample is written under the decision's root.
        ASSERT_EQ(voyant.analyse.noeuds().size(), 2u);
        EXPECT_EQ(voyant.analyse.noeuds()[1].texte,
                  "Simulation " + std::to_string(decideur) + " p:" + std::to_string(score) + " avec " + carte.getNom());
    }
}

TEST(Simulation, AScoreIsWhatTheTeamKeepsUnderTheMultiplier) {
    const PartieSimulee debut{{}, Partie(Atout::Coeur, CarteSet::complet(), 0, 0, 2)};
    EXPECT_EQ(debut.score(0), 514);
    EXPECT_EQ(debut.score(3), 514);
}

// The tally: the card named most often, the last to reach that count on a tie.
TEST(Simulation, TheTallyPlaysTheCardNamedMostOftenTheLastToReachItOnATie) {
    struct Cas {
        std::vector<std::string> nommees;
        std::string jouee;
    };
    for (const Cas& cas : {Cas{{"AC", "RC", "AC", "RC", "6P"}, "RC"}, Cas{{"6P", "AC", "AC"}, "AC"},
                           Cas{{"6P", "AC", "RC"}, "RC"}}) {
        ScoreDeSimulation score;
        for (const std::string& nom : cas.nommees) score.ajoute(c(nom));
        EXPECT_EQ(score.carteQuiALeMeilleurScore(), &c(cas.jouee));
    }
    AssertionsRelevees relevees;
    EXPECT_EQ(ScoreDeSimulation().carteQuiALeMeilleurScore(), nullptr);
    EXPECT_TRUE(relevees.contient("tagDeLaCarteQuiALeMeilleurScore_ != -1"));
}

TEST(Simulation, AHistogramCountsEachScoreAndKeepsScoresOutsideItsRangeAtItsEnds) {
    AnalyseJoueur analyse;
    AnalyseJoueur::Serie& serie = analyse.ajouteProjection("L'As de Coeur", 257);
    Probabilite probabilite(serie);
    for (const int score : {100, 120, 100, -40, 2000}) probabilite.ajoute(score);
    EXPECT_EQ(probabilite.total(), 5);
    EXPECT_EQ(probabilite.nombre(100), 2);
    EXPECT_EQ(probabilite.nombre(120), 1);
    const std::vector<std::pair<double, double>> barres = {{100, 1}, {120, 1}, {100, 2}, {0, 1}, {1805, 1}};
    ASSERT_EQ(serie.size(), barres.size());
    for (std::size_t i = 0; i < barres.size(); ++i) {
        EXPECT_EQ(serie[i].x, barres[i].first) << i;
        EXPECT_EQ(serie[i].hauteur, barres[i].second) << i;
    }
}

namespace {

// A decision's frame with scripted samples.
struct Decision {
    AnalyseJoueur analyse;
    SituationAI situation{Atout::Coeur, MAINS_MELANGEES, 0, "", 2};
    std::vector<std::optional<ResultatDEchantillon>> echantillons;
    ScoreDeSimulation score;
    int appels = 0;

    const Carte* choisit(CarteSet main, int nbSimulations) {
        const auto echantillon = [&](int) {
            const auto resultat = echantillons[static_cast<std::size_t>(appels++)];
            if (resultat) score.ajoute(*resultat->carte);
            return resultat;
        };
        const auto meilleure = [&] { return score.cartes().empty() ? nullptr : score.carteQuiALeMeilleurScore(); };
        return ChoixParSimulation(analyse, 0).choisit(situation.partie, main, nbSimulations, echantillon, meilleure);
    }
};

}  // namespace

TEST(Simulation, EachNamedCardGetsAProjectionPageOverTheDealsRange) {
    Decision decision;
    decision.echantillons = {ResultatDEchantillon{&c("AT"), 100}, ResultatDEchantillon{&c("6C"), 514},
                             ResultatDEchantillon{&c("AT"), 120}, ResultatDEchantillon{&c("AT"), 100}};
    EXPECT_EQ(decision.choisit(decision.situation.mains[0], 4), &c("AT"));
    EXPECT_EQ(decision.analyse.lignes().back(), std::string(34, '-'));
    ASSERT_EQ(decision.analyse.noeuds().size(), 1u);
    EXPECT_EQ(decision.analyse.noeuds()[0].texte, "Joueur 0");
    const auto& pages = decision.analyse.projections();
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0]->titre, c("AT").getNom());
    EXPECT_EQ(pages[1]->titre, c("6C").getNom());
    EXPECT_EQ(pages[0]->minimum, -10);
    EXPECT_EQ(pages[0]->maximum, 524);
    EXPECT_EQ(pages[0]->serie.size(), 3u);

    // The next decision starts with no page.
    Decision suivante;
    suivante.echantillons = {ResultatDEchantillon{&c("9T"), 80}};
    suivante.choisit(suivante.situation.mains[0], 1);
    EXPECT_EQ(suivante.analyse.projections().size(), 1u);
}

TEST(Simulation, ASingleLegalCardIsPlayedWithoutSampling) {
    Decision decision;
    decision.situation.joue(c("6C"));  // seat 1 must follow with its only Coeur
    EXPECT_EQ(decision.choisit(decision.situation.mains[1], 5), &c("7C"));
    EXPECT_EQ(decision.appels, 0);
    EXPECT_EQ(decision.analyse.noeuds().size(), 1u);
    EXPECT_TRUE(decision.analyse.projections().empty());
}

// Beliefs that give no deal stop the sampling at the first failed sample; a legal card is
// played all the same.
TEST(Simulation, WithoutAnyDealTheFirstLegalCardIsPlayed) {
    Decision decision;
    decision.echantillons = {std::nullopt};
    AssertionsRelevees relevees;
    EXPECT_EQ(decision.choisit(decision.situation.mains[0], 5), &c("6T"));
    EXPECT_EQ(decision.appels, 1);
    EXPECT_TRUE(relevees.vide());
}
