#include <gtest/gtest.h>

#include "platform/TableDesTextes.h"
#include "support/PartieDeQuatreHumains.h"

namespace {

OptionsDePartie options(int typeChibre, OptionsDePartie::TypePartie typePartie) {
    OptionsDePartie o;
    o.setTypeChibre(typeChibre);
    o.setTypePartie(typePartie);
    return o;
}

}  // namespace

TEST(PartieComplete, FourHumansPlayAStandardGameToItsEnd) {
    PartieDeQuatreHumains partie(7);
    partie.plateforme.reponses = {false};  // no second game
    partie.demarre(options(0, OptionsDePartie::Standard));
    EXPECT_EQ(partie.table.etatJeu(), EvenementDeJeu::AttendDistribue1);

    partie.joueJusqua(EvenementDeJeu::Vide_Avant_NouvellePartie);
    ASSERT_EQ(partie.table.etatJeu(), EvenementDeJeu::Vide_Avant_NouvellePartie);
    const int total1 = partie.table.totalEquipe(0) + partie.table.pointsAnnoncesEquipe(0) +
                       (partie.table.partie() ? partie.table.partie()->getPointsEquipe1() : 0);
    const int total2 = partie.table.totalEquipe(1) + partie.table.pointsAnnoncesEquipe(1) +
                       (partie.table.partie() ? partie.table.partie()->getPointsEquipe2() : 0);
    EXPECT_TRUE(total1 >= 1000 || total2 >= 1000);
    // The score boxes end on the final score, this deal included.
    EXPECT_EQ(partie.table.panelRamassees(0).libelles()[PanelDeCartesRamassees::LigneTotal], formate(2309, total1));
    EXPECT_EQ(partie.table.panelRamassees(1).libelles()[PanelDeCartesRamassees::LigneTotal], formate(2309, total2));
    EXPECT_GE(partie.table.compteurDonnes(), 3);
    EXPECT_GT(partie.nbChibres, 0);

    // Each human saw the result, then the table offered another game.
    int resultats = 0;
    for (const auto& boite : partie.plateforme.boites) resultats += boite.titre == "Fin de partie.";
    EXPECT_EQ(resultats, 4);
    partie.plateforme.avanceJusquAuRepos();
    EXPECT_EQ(partie.plateforme.boites.back().texte, "Voulez vous faire une autre partie ?");
    EXPECT_EQ(partie.statistiques.getPartiesJouees(), 1);
}

TEST(PartieComplete, AnotherGameWithTheSamePlayersWhenTheUserAccepts) {
    PartieDeQuatreHumains partie(8);
    partie.plateforme.reponses = {true};
    partie.demarre(options(0, OptionsDePartie::Standard));
    partie.joueJusqua(EvenementDeJeu::Vide_Avant_NouvellePartie);
    ASSERT_EQ(partie.table.etatJeu(), EvenementDeJeu::Vide_Avant_NouvellePartie);
    const std::vector<std::string> premiere = partie.table.listeDesEvenements().enregistrement();

    partie.plateforme.avance(1);
    EXPECT_EQ(partie.table.etatJeu(), EvenementDeJeu::AttendDistribue1);
    EXPECT_EQ(partie.table.totalEquipe(0) + partie.table.totalEquipe(1), 0);
    const std::vector<std::string>& seconde = partie.table.listeDesEvenements().enregistrement();
    ASSERT_GE(seconde.size(), 7u);
    for (int ligne = 1; ligne <= 5; ++ligne) EXPECT_EQ(seconde[ligne], premiere[ligne]) << ligne;
    EXPECT_EQ(partie.joueur(2).nom(), "Claire (vous)");
}
