#include <gtest/gtest.h>

#include <vector>

#include "ai/AnalyseJoueur.h"

TEST(AnalyseJoueur, StartsHiddenWithTheDefaultCaptionAndEmpty) {
    AnalyseJoueur analyse;
    EXPECT_EQ(analyse.titre(), "Analyse joueur");
    EXPECT_FALSE(analyse.estVisible());
    EXPECT_TRUE(analyse.lignes().empty());
    EXPECT_TRUE(analyse.noeuds().empty());
    EXPECT_EQ(analyse.projectionActive(), -1);
}

TEST(AnalyseJoueur, ProjectionPagesStackWithTheLastActiveAndEmptyWithoutSignalWhenNone) {
    AnalyseJoueur analyse;
    std::vector<AnalyseJoueur::Zone> signaux;
    analyse.changement = [&](AnalyseJoueur::Zone zone) { signaux.push_back(zone); };
    analyse.videProjections();
    EXPECT_TRUE(signaux.empty());

    analyse.ajouteProjection("As de Coeur", 257);
    AnalyseJoueur::Serie& serie = analyse.ajouteProjection("Le Six de Pique", 514);
    serie.push_back({3, 1, "x"});
    ASSERT_EQ(analyse.projections().size(), 2u);
    EXPECT_EQ(analyse.projectionActive(), 1);
    const AnalyseJoueur::Projection& seconde = *analyse.projections()[1];
    EXPECT_EQ(seconde.titre, "Le Six de Pique");
    EXPECT_EQ(seconde.minimum, -10);
    EXPECT_EQ(seconde.maximum, 524);
    EXPECT_EQ(seconde.serie.size(), 1u);

    analyse.videProjections();
    EXPECT_TRUE(analyse.projections().empty());
    EXPECT_EQ(signaux.size(), 3u);
}

TEST(AnalyseJoueur, TextAccumulatesAndTreeGrowsUnderItsRoot) {
    AnalyseJoueur analyse;
    for (int i = 0; i < 500; ++i) analyse.ajouteLigne("ligne " + std::to_string(i));
    EXPECT_EQ(analyse.lignes().back(), "ligne 499");
    analyse.videTexte();
    EXPECT_TRUE(analyse.lignes().empty());

    const int racine = analyse.ajouteRacine("Joueur 2");
    const int enfant = analyse.ajouteEnfant(racine, "A");
    analyse.ajouteAuTexte(enfant, " 12");
    ASSERT_EQ(analyse.noeuds().size(), 2u);
    EXPECT_EQ(analyse.noeuds()[0].enfants, std::vector<int>{enfant});
    EXPECT_EQ(analyse.noeuds()[1].texte, "A 12");
    EXPECT_EQ(analyse.noeuds()[1].parent, racine);
    analyse.videArbre();
    EXPECT_TRUE(analyse.noeuds().empty());
}

// A 1920-wide screen, 1080 high, with a main window 800 wide: each window is 560 wide.
TEST(AnalyseJoueur, WindowsStandInTheCornersOfTheirSeats) {
    struct Cas {
        int siege, left, top;
    };
    for (const Cas& cas : {Cas{0, 0, 0}, Cas{1, 0, 540}, Cas{2, 1360, 540}, Cas{3, 1360, 0}}) {
        const AnalyseJoueur::Placement placement = AnalyseJoueur::placementPourSiege(cas.siege, 1920, 1080, 800);
        EXPECT_EQ(placement.left, cas.left) << cas.siege;
        EXPECT_EQ(placement.top, cas.top) << cas.siege;
        EXPECT_EQ(placement.width, 560);
    }
}
