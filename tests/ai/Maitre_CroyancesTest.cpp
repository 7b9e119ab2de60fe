#include <gtest/gtest.h>

#include "ai/Maitre_Croyances.h"
#include "ai/SituationsAI.h"
#include "rules/KnuthRandom.h"
#include "rules/TypeDePartiesPossibles.h"

namespace {

const std::string MAINS[4] = {
    "VC 9C AC RC 8C 6T 7K 6P 7P",
    "8T 9T XT VT DT RT AT 8K 9K",
    "6C 7C XC DC 7T 6K XK VK DK",
    "RK AK 8P 9P XP VP DP RP AP",
};

Maitre_CeQuiAEteVu vu(int joueurDoitChoisirAtout, const std::vector<const Carte*>& jouees = {}) {
    Maitre_CeQuiAEteVu result{joueurDoitChoisirAtout, TypeDePartiesPossibles::commune()[0], {}, {}};
    for (const Carte* carte : jouees) result.cartesJouees.push_back(static_cast<std::uint8_t>(carte->getTag()));
    return result;
}

// How often, in that many deals of the beliefs, `siege` holds `carte`; uniformly drawn as well.
std::pair<int, int> tenue(const Partie& partie, int moi, CarteSet maMain, const Maitre_CeQuiAEteVu& vu, int siege,
                          const Carte& carte, int nombre = 300) {
    const Maitre_Croyances croyances(partie, moi, maMain, vu);
    KnuthRandom aleatoire(true);
    const Maitre_Croyances::Tirage tirage = croyances.tire(aleatoire, nombre);
    int ponderee = 0, uniforme = 0;
    for (const int indice : tirage.suite) ponderee += tirage.donnes[static_cast<std::size_t>(indice)][siege].contient(carte);
    for (int k = 0; k < nombre; ++k) uniforme += croyances.echantillonneur().tire(aleatoire)[siege].contient(carte);
    return {ponderee, uniforme};
}

}  // namespace

// The seat that chose Coeur holds the trump Valet far more often than a uniform draw gives it,
// whether it chose first or after its partner passed.
TEST(Maitre_Croyances, LeChoixDeLAtoutDeplaceLaCroyance) {
    const SituationAI premier(Atout::Coeur, MAINS, 0);
    const auto [ponderee, uniforme] = tenue(premier.partie, 1, premier.mains[1], vu(0), 0, c("VC"));
    EXPECT_GT(ponderee, uniforme * 3 / 2);

    // Seat 2 passed, seat 0 chose.
    const Partie apresChibre(Atout::Coeur, CarteSet::complet(), 2, 0, 1);
    const auto [ponderee2, uniforme2] = tenue(apresChibre, 1, premier.mains[1], vu(2), 0, c("VC"));
    EXPECT_GT(ponderee2, uniforme2 * 3 / 2);
}

// The last seat of a trick that the opponents win with a card it could beat would have taken it:
// it holds the cards that take the trick less often, its partner's opponent more often.
TEST(Maitre_Croyances, LesCartesJoueesDeplacentLaCroyance) {
    // Under Pique, seat 0 leads the Dame of Carreau, seat 1 plays the Huit, seat 2 the Six, seat 3
    // the Sept.
    const std::string mains[4] = {
        "DK 6T 7T 8T 9T XT VT DT RT",
        "8K 6C 7C 8C 9C XC VC DC RC",
        "6K AK RK AC 6P 7P 8P 9P XP",
        "7K 9K XK VK AT VP DP RP AP",
    };
    SituationAI situation(Atout::Pique, mains, 0, "DK 8K 6K 7K");
    const auto jouees = situation.jouees;
    const auto [ponderee, uniforme] = tenue(situation.partie, 0, situation.mains[0], vu(0, jouees), 3, c("AK"));
    EXPECT_LT(ponderee * 3, uniforme * 2);
    const auto [partenaire, partenaireUniforme] = tenue(situation.partie, 0, situation.mains[0], vu(0, jouees), 2, c("AK"));
    EXPECT_GT(partenaire, partenaireUniforme);
}

// Every deal drawn agrees with what was seen; the same generator state draws the same deals and
// moves the generator on as much.
TEST(Maitre_Croyances, ChaqueDonneEstPossibleEtLeTirageEstDeterministe) {
    SituationAI situation(Atout::Coeur, MAINS_MELANGEES, 0);
    situation.joueJusqua(14);
    const int moi = situation.aJouer();
    const Maitre_CeQuiAEteVu vuDeLaDonne = vu(0, situation.jouees);
    const Maitre_Croyances croyances(situation.partie, moi, situation.mains[moi], vuDeLaDonne);
    KnuthRandom premier(true), second(true);
    const auto a = croyances.tire(premier, 50);
    const auto b = croyances.tire(second, 50);
    EXPECT_EQ(a.suite, b.suite);
    EXPECT_EQ(a.donnes, b.donnes);
    EXPECT_EQ(premier.tire(1000), second.tire(1000));
    ASSERT_EQ(a.suite.size(), 50u);
    for (const int indice : a.suite) {
        const auto& mains = a.donnes[static_cast<std::size_t>(indice)];
        EXPECT_EQ(mains[moi], situation.mains[moi]);
        CarteSet toutes = situation.partie.getCartesDejaJouees();
        for (int siege = 0; siege < 4; ++siege) {
            EXPECT_EQ(mains[siege].size(), situation.mains[siege].size());
            EXPECT_TRUE((toutes & mains[siege]).empty());
            toutes = toutes | mains[siege];
            for (int couleur = Carte::Trefle; couleur <= Carte::Coeur; ++couleur)
                if (situation.partie.nAPlusLaCouleur(siege, couleur)) {
                    EXPECT_TRUE(mains[siege].deCouleur(couleur).sauf(ens("VC")).empty());
                }
        }
        EXPECT_EQ(toutes, CarteSet::complet());
    }
}

// A record of the cards that does not lead to the deal as it stands (cards out of order, a card
// twice, a tag out of range) tells nothing and draws as uniformly as nothing seen; a record that
// no hand explains well still gives deals.
TEST(Maitre_Croyances, UnHistoriqueContradictoireDonneQuandMemeDesDonnes) {
    SituationAI situation(Atout::Coeur, MAINS_MELANGEES, 0);
    situation.joueJusqua(8);
    const int moi = situation.aJouer();
    std::vector<std::vector<std::uint8_t>> faux = {{}, {0, 0, 0}, {200}};
    std::vector<std::uint8_t> desordre = vu(0, situation.jouees).cartesJouees;
    std::swap(desordre[0], desordre[5]);
    faux.push_back(desordre);
    for (const auto& cartes : faux) {
        Maitre_CeQuiAEteVu vuFaux = vu(0);
        vuFaux.cartesJouees = cartes;
        const Maitre_Croyances croyances(situation.partie, moi, situation.mains[moi], vuFaux);
        const Maitre_Croyances sansRien(situation.partie, moi, situation.mains[moi], {0, TypeDePartie(), {}, {}});
        KnuthRandom a(true), b(true);
        EXPECT_EQ(croyances.tire(a, 20).donnes, sansRien.tire(b, 20).donnes);
    }
    // Seat 3 is told to have chosen Coeur with no Coeur left to it: every deal is as unlikely.
    const std::string sansCoeur[4] = {MAINS_MELANGEES[3], MAINS_MELANGEES[1], MAINS_MELANGEES[2], MAINS_MELANGEES[0]};
    const SituationAI contraire(Atout::Coeur, sansCoeur, 1);
    const Partie partie(Atout::Coeur, CarteSet::complet(), 1, 3, 1);
    const Maitre_Croyances croyances(partie, 0, contraire.mains[0], vu(1));
    KnuthRandom aleatoire(true);
    EXPECT_EQ(croyances.tire(aleatoire, 20).suite.size(), 20u);
}
