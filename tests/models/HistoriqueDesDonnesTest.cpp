#include <gtest/gtest.h>

#include <filesystem>

#include "models/HistoriqueDesDonnes.h"
#include "support/Cartes.h"
#include "support/Fichiers.h"

namespace {

std::vector<std::string> partieStandard() {
    return lignesDuFichier(litFichier(std::filesystem::path(TRUMPWISE_FIXTURES_DIR) / "partie-standard.jss"));
}

// The reference game: twelve deals, the last one cut short after its eighth trick by the goal.
constexpr std::size_t NB_DONNES = 12;

}  // namespace

TEST(HistoriqueDesDonnes, EveryDealOfAGameFileWithItsModeChooserTricksAndPoints) {
    HistoriqueDesDonnes historique;
    historique.lit(partieStandard());
    const auto& donnes = historique.donnes();
    ASSERT_EQ(donnes.size(), NB_DONNES);

    EXPECT_EQ(donnes[0].choisiPar, 3);
    EXPECT_EQ(donnes[0].chibrePar, -1);
    EXPECT_EQ(donnes[0].atout, Atout::Coeur);
    EXPECT_EQ(donnes[0].multiplicateur, 1);
    EXPECT_EQ(donnes[0].plis[0].premier, 3);
    EXPECT_EQ(donnes[0].plis[0].gagnant, 0);  // the Valet of trump
    EXPECT_EQ(donnes[0].plis[0].cartes[0], &c("VC"));
    // Chibred by seat 0, chosen by its partner; the one asked first still leads.
    EXPECT_EQ(donnes[1].chibrePar, 0);
    EXPECT_EQ(donnes[1].choisiPar, 2);
    EXPECT_EQ(donnes[1].atout, Atout::HautEnBas);
    EXPECT_EQ(donnes[1].multiplicateur, 3);
    EXPECT_EQ(donnes[1].plis[0].premier, 0);
    // The melds shown to every player: seat 1's four Aces; its partner had none.
    EXPECT_EQ(donnes[0].annoncesMontrees, (std::array<CarteSet, 4>{CarteSet(), ens("AT AK AP AC"), CarteSet(), CarteSet()}));
    // Seat 3's three cards in a row.
    EXPECT_EQ(donnes[1].annoncesMontrees, (std::array<CarteSet, 4>{CarteSet(), CarteSet(), CarteSet(), ens("8P 9P XP")}));

    for (std::size_t k = 0; k + 1 < NB_DONNES; ++k) {
        const auto& donne = donnes[k];
        SCOPED_TRACE("deal " + std::to_string(k + 1));
        ASSERT_TRUE(donne.estTerminee());
        EXPECT_EQ(donne.totalApres(), donnes[k + 1].totalAvant);
        ASSERT_EQ(donne.plis.size(), 9u);
        EXPECT_EQ(donne.plisRamasses, 9);
        for (std::size_t t = 0; t + 1 < donne.plis.size(); ++t)
            EXPECT_EQ(donne.plis[t].gagnant, donne.plis[t + 1].premier);
        CarteSet toutes;
        for (const CarteSet& main : donne.cartesJouees) {
            EXPECT_EQ(main.size(), 9u);
            for (const Carte& carte : main) toutes.insert(carte);
        }
        EXPECT_EQ(toutes.size(), 36u);
        const int pointsCartes = donne.pointsCartes[0] + donne.pointsCartes[1];
        EXPECT_TRUE(pointsCartes == 157 * donne.multiplicateur || pointsCartes == 257 * donne.multiplicateur)
            << pointsCartes;
        for (int equipe = 0; equipe < 2; ++equipe) EXPECT_GE((*donne.points)[equipe], donne.pointsCartes[equipe]);
    }

    const auto& derniere = donnes.back();
    EXPECT_FALSE(derniere.estTerminee());
    EXPECT_EQ(historique.derniereDonneTerminee(), &donnes[NB_DONNES - 2]);
    EXPECT_EQ(derniere.plisRamasses, 8);
    ASSERT_EQ(historique.dernierPliRamasse(), &derniere.plis[7]);
    EXPECT_EQ(derniere.plis[7].cartes[0], &c("XP"));

    // The final scores close the deal the game ended in.
    const std::array<std::int32_t, 2> finals{3100, 2300};
    historique.lit(partieStandard(), finals);
    ASSERT_TRUE(historique.donnes().back().estTerminee());
    EXPECT_EQ(historique.donnes().back().totalApres(), finals);
}

TEST(HistoriqueDesDonnes, TheLastTrickIsTheLastCollectedOneAndLinesThatAreNoEventsArePassedOver) {
    std::vector<std::string> lignes = partieStandard();
    // Up to the fourth card of the second trick: the first trick is the last one collected.
    const auto quatriemeCarte = std::find_if(lignes.begin(), lignes.end(), [](const std::string& ligne) {
        return ligne.find("AjouteCarte") != std::string::npos && ligne.find("\xA6" "32\xA6") != std::string::npos;
    });
    ASSERT_NE(quatriemeCarte, lignes.end());
    lignes.erase(quatriemeCarte + 1, lignes.end());
    lignes.insert(lignes.begin() + 3, "not an event");

    HistoriqueDesDonnes historique;
    historique.lit(lignes);
    ASSERT_EQ(historique.donnes().size(), 1u);
    const auto& donne = historique.donnes()[0];
    EXPECT_EQ(donne.plis.size(), 2u);
    EXPECT_EQ(donne.plisRamasses, 1);
    ASSERT_EQ(historique.dernierPliRamasse(), &donne.plis[0]);
    EXPECT_EQ(historique.derniereDonneTerminee(), nullptr);

    historique.lit({"3"});
    EXPECT_TRUE(historique.donnes().empty());
    EXPECT_EQ(historique.dernierPliRamasse(), nullptr);
}
