#include <gtest/gtest.h>

#include <array>
#include <random>

#include "ai/Maitre_Solveur.h"
#include "rules/Partie.h"
#include "support/Cartes.h"

namespace {

using Mains = std::array<CarteSet, 4>;

// What the solver counts, read from the deal engine's own score at the end of the deal: team 1's
// points, the 100 points of all nine tricks counted as the solver does (+50 / -50).
int valeurFinale(const Partie& partie) {
    int valeur = partie.getPointsEquipe1();
    if (partie.getCartesRamasseesEq1() == 36) valeur -= 50;
    if (partie.getCartesRamasseesEq2() == 36) valeur -= 50;
    return valeur;
}

// A plain alpha-beta over every playable card, played by the deal engine: no table, no
// equivalent cards, no bounds but the window.
int alphaBeta(const Partie& partie, const Mains& mains, int alpha, int beta) {
    if (partie.estTerminee()) return valeurFinale(partie);
    const int joueur = partie.noDuProchainAJouer();
    int meilleur = joueur % 2 == 0 ? -100000 : 100000;
    for (const Carte& carte : partie.cartesJouables(mains[joueur])) {
        Partie suite = partie;
        Mains mainsSuite = mains;
        mainsSuite[joueur].erase(carte);
        suite.joueCarte(carte, joueur);
        const int v = alphaBeta(suite, mainsSuite, alpha, beta);
        if (joueur % 2 == 0) {
            meilleur = std::max(meilleur, v);
            alpha = std::max(alpha, meilleur);
        } else {
            meilleur = std::min(meilleur, v);
            beta = std::min(beta, meilleur);
        }
        if (alpha >= beta) break;
    }
    return meilleur;
}

// The value of team 1 from here on, by brute force.
int valeurParForceBrute(const Partie& partie, const Mains& mains) {
    return alphaBeta(partie, mains, -100000, 100000) - partie.getPointsEquipe1();
}

struct Fin {
    Partie partie;
    Mains mains;
};

// A random deal played at random until that many cards are left in the hands.
Fin finAleatoire(std::mt19937& aleatoire, Atout atout, unsigned cartesRestantes) {
    std::array<unsigned, 36> tags;
    for (unsigned i = 0; i < 36; ++i) tags[i] = i;
    for (unsigned i = 35; i > 0; --i) std::swap(tags[i], tags[aleatoire() % (i + 1)]);
    Fin fin{Partie(atout, CarteSet::complet(), static_cast<int>(aleatoire() % 4), 0, 1), {}};
    for (unsigned i = 0; i < 36; ++i) fin.mains[i / 9].insert(Carte::parTag(tags[i]));
    while (fin.partie.getCartesEnJeu().size() - (fin.partie.nbCartesJouees() % 4) > cartesRestantes) {
        const int joueur = fin.partie.noDuProchainAJouer();
        const CarteSet jouables = fin.partie.cartesJouables(fin.mains[joueur]);
        const Carte& carte = *jouables.kieme(aleatoire() % jouables.size());
        fin.mains[joueur].erase(carte);
        fin.partie.joueCarte(carte, joueur);
    }
    return fin;
}

// Each playable card's value, for the team of the seat to play, must be the plain search's after
// that card.
void verifieLesValeursDesCartes(Maitre_Solveur& solveur, const Fin& fin, const Maitre_PositionOuverte& position) {
    const int joueur = fin.partie.noDuProchainAJouer();
    const auto valeurs = solveur.valeursDesCartes(position);
    ASSERT_EQ(valeurs.nombre, fin.partie.cartesJouables(fin.mains[joueur]).size());
    for (unsigned k = 0; k < valeurs.nombre; ++k) {
        Fin apres = fin;
        const Carte& carte = Carte::parTag(valeurs.cartes[k].tag);
        apres.mains[joueur].erase(carte);
        apres.partie.joueCarte(carte, joueur);
        const int pourEquipe1 = alphaBeta(apres.partie, apres.mains, -100000, 100000) - fin.partie.getPointsEquipe1();
        const int attendu = joueur % 2 == 0 ? pourEquipe1 : Maitre_Solveur::pointsRestants(position) - pourEquipe1;
        EXPECT_EQ(valeurs.cartes[k].valeur, attendu) << carte.getIdentifiant();
    }
}

// Endings of two or three tricks, some starting inside a trick, in every kind of mode: the
// solver's value and each card's value must be the brute force's.
TEST(Maitre_Solveur, EgaleLaForceBruteSurDesFinsDeDonne) {
    std::mt19937 aleatoire(20261210);
    Maitre_Solveur solveur(12);  // small, so that entries get replaced
    int avecPrimePossible = 0;
    for (const Atout atout : {Atout::Trefle, Atout::Coeur, Atout::HautEnBas, Atout::BasEnHaut, Atout::ZigZag}) {
        for (int essai = 0; essai < 60; ++essai) {
            const Fin fin = finAleatoire(aleatoire, atout, 8 + static_cast<unsigned>(essai % 6));
            const auto position = Maitre_PositionOuverte::depuis(fin.partie, fin.mains);
            if (position.toutPris != 0) ++avecPrimePossible;
            ASSERT_EQ(solveur.resout(position), valeurParForceBrute(fin.partie, fin.mains))
                << "mode " << valeur(atout) << ", essai " << essai;

            SCOPED_TRACE("mode " + std::to_string(valeur(atout)) + ", essai " + std::to_string(essai));
            verifieLesValeursDesCartes(solveur, fin, position);
        }
    }
    // The fixture must reach the bonus of all nine tricks in some endings.
    EXPECT_GT(avecPrimePossible, 5);
}

// Endings of four and five tricks, where the table's keys at trick starts meet positions whose
// cards worth nothing are gone in other orders: the value is the plain search's, in both orders
// without trump, zig-zag and a trump mode; so is each card's value in the endings of four tricks,
// whose searches start from the previous card's value and find the table full of its bounds.
TEST(Maitre_Solveur, EgaleUneRechercheSimpleSurDesFinsDeQuatreEtCinqPlis) {
    std::mt19937 aleatoire(1);
    Maitre_Solveur solveur(16);
    for (const unsigned cartes : {16u, 20u})
        for (int essai = 0; essai < 24; ++essai) {
            const Atout atout = std::array{Atout::HautEnBas, Atout::BasEnHaut, Atout::ZigZag, Atout::Coeur}[essai % 4];
            const Fin fin = finAleatoire(aleatoire, atout, cartes);
            const auto position = Maitre_PositionOuverte::depuis(fin.partie, fin.mains);
            const int attendu = valeurParForceBrute(fin.partie, fin.mains);
            EXPECT_EQ(solveur.resout(position), attendu) << cartes << " cartes, mode " << valeur(atout) << ", essai " << essai;
            if (cartes != 16) continue;
            SCOPED_TRACE("mode " + std::to_string(valeur(atout)) + ", essai " + std::to_string(essai));
            verifieLesValeursDesCartes(solveur, fin, position);
        }
}

// Deals of a fixed seed after four tricks played at random: their values, checked once against a
// search with a table of 256 entries, where nearly every position is searched again; they guard
// against any change of the result.
TEST(Maitre_Solveur, RetrouveLaValeurDeDonnesDeReference) {
    struct Reference {
        Atout atout;
        int valeur;
    };
    const Reference references[] = {
        {Atout::Pique, 52}, {Atout::Coeur, 64}, {Atout::HautEnBas, 60}, {Atout::BasEnHaut, 23}, {Atout::ZigZag, 111},
    };
    std::mt19937 aleatoire(36);
    Maitre_Solveur solveur;
    Maitre_Solveur solveurAPetiteTable(8);
    for (const Reference& reference : references) {
        const Fin fin = finAleatoire(aleatoire, reference.atout, 20);
        const auto position = Maitre_PositionOuverte::depuis(fin.partie, fin.mains);
        EXPECT_EQ(solveur.resout(position), reference.valeur) << "mode " << valeur(reference.atout);
        EXPECT_EQ(solveurAPetiteTable.resout(position), reference.valeur) << "mode " << valeur(reference.atout);
    }
}

TEST(Maitre_Solveur, UneEquipeQuiTientToutesLesCartesMaitressesFaitTousLesPlis) {
    const Mains mains = {ens("VC 9C AC RC DC XC 8C 7C 6C"), ens("6T 7T 8T 9T XT VT DT RT AT"),
                         ens("AK RK DK VK XK 9K AP RP DP"), ens("6K 7K 8K 6P 7P 8P 9P XP VP")};
    Maitre_Solveur solveur;
    const auto position = Maitre_PositionOuverte::depart(Atout::Coeur, mains, 1);
    EXPECT_EQ(solveur.resout(position), 157 + Maitre_Solveur::PRIME_TOUS_LES_PLIS);
    // Seat 1 leads: whatever it plays, its team ends with minus the bonus.
    const auto valeurs = solveur.valeursDesCartes(position);
    ASSERT_EQ(valeurs.nombre, 9u);
    for (unsigned k = 0; k < valeurs.nombre; ++k) EXPECT_EQ(valeurs.cartes[k].valeur, -Maitre_Solveur::PRIME_TOUS_LES_PLIS);
}

TEST(Maitre_Solveur, RenonceAuDelaDeSonBudgetEtRefaitLeMemeTravail) {
    std::mt19937 aleatoire(7);
    const Fin fin = finAleatoire(aleatoire, Atout::Trefle, 24);
    const auto position = Maitre_PositionOuverte::depuis(fin.partie, fin.mains);

    Maitre_Solveur solveur;
    const int valeur = solveur.resout(position);
    const std::uint64_t noeuds = solveur.noeuds();
    solveur.remetCompteur();
    EXPECT_EQ(solveur.resout(position), valeur);
    EXPECT_EQ(solveur.noeuds(), noeuds);  // same search, node for node
    EXPECT_FALSE(solveur.interrompu());

    solveur.remetCompteur();
    solveur.limiteNoeuds(noeuds / 2);
    solveur.resout(position);
    EXPECT_TRUE(solveur.interrompu());
    EXPECT_EQ(solveur.valeursDesCartes(position).nombre, 0u);

    int questions = 0;
    solveur.limiteNoeuds(UINT64_MAX);
    solveur.remetCompteur();
    solveur.setArret([&] { return ++questions == 2; });
    solveur.resout(position);
    EXPECT_TRUE(solveur.interrompu());
    EXPECT_EQ(questions, 2);
}

}  // namespace
