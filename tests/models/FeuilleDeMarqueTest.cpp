#include <gtest/gtest.h>

#include <filesystem>

#include "models/FeuilleDeMarque.h"
#include "support/Fichiers.h"

TEST(FeuilleDeMarque, OneLineADealWithModeChooserPointsAndRunningTotals) {
    HistoriqueDesDonnes historique;
    historique.lit(lignesDuFichier(litFichier(std::filesystem::path(TRUMPWISE_FIXTURES_DIR) / "partie-standard.jss")));
    const std::array<std::string, 4> noms{"Anne", "Bernard", "Claire", "Daniel"};
    const std::vector<LigneDeMarque> lignes = feuilleDeMarque(historique, noms);

    ASSERT_EQ(lignes.size(), 12u);
    EXPECT_EQ(lignes[0].donne, "1");
    EXPECT_EQ(lignes[0].atout, "Coeur x1");
    EXPECT_EQ(lignes[0].choix, "Daniel");
    EXPECT_EQ(lignes[1].atout, "De haut en bas x3");
    EXPECT_EQ(lignes[1].choix, "Claire (chibre de Anne)");
    // Each deal's points add up to its running totals, which the next deal's settings carry.
    int totaux[2] = {0, 0};
    for (std::size_t k = 0; k + 1 < lignes.size(); ++k)
        for (int equipe = 0; equipe < 2; ++equipe) {
            totaux[equipe] += std::stoi(lignes[k].points[equipe]);
            EXPECT_EQ(lignes[k].totaux[equipe], std::to_string(totaux[equipe])) << "deal " << k + 1;
        }
    EXPECT_EQ(lignes[10].totaux, (std::array<std::string, 2>{"2911", "2252"}));
    // The deal still in play has no points yet.
    EXPECT_EQ(lignes[11].points, (std::array<std::string, 2>{}));
    EXPECT_FALSE(lignes[11].atout.empty());

    EXPECT_EQ(nomDEquipe(noms, 0), "Anne & Claire");
    EXPECT_EQ(nomDEquipe(noms, 1), "Bernard & Daniel");
    EXPECT_TRUE(feuilleDeMarque(HistoriqueDesDonnes(), noms).empty());
}
