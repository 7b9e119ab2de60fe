#include <gtest/gtest.h>

#include <atomic>

#include "ai/AI_ChoixAtout.h"
#include "ai/Maitre_Reflexion.h"
#include "ai/Maitre_Solveur.h"
#include "rules/JeuDeCartes.h"
#include "rules/KnuthRandom.h"
#include "rules/TypeDePartiesPossibles.h"

namespace {

std::chrono::steady_clock::time_point horlogeArretee() { return {}; }

struct Donne {
    Partie partie;
    std::array<CarteSet, 4> mains;
    std::vector<std::uint8_t> jouees;

    // Seat 0 chose the trump.
    Maitre_CeQuiAEteVu vu() const { return {0, TypeDePartiesPossibles::commune()[0], {}, jouees}; }
};

// A deal of the fixed generator played at random for that many tricks.
Donne donneJouee(int plis) {
    const JeuDeCartes jeu;
    KnuthRandom generateur(true);
    CarteSet reste = jeu.getCartes();
    std::array<CarteSet, 4> mains;
    for (CarteSet& main : mains) main = jeu.tireCartes(reste, generateur);
    StatusAtout status;
    status.estChibre = true;
    const Atout atout = AI_ChoixAtout::choisit(status, mains[0], TypeDePartiesPossibles::commune()[0]).atout;
    Donne donne{Partie(atout, CarteSet::complet(), 0, 0, 1), mains, {}};
    while (donne.partie.nbCartesJouees() < static_cast<std::size_t>(4 * plis)) {
        const int joueur = donne.partie.noDuProchainAJouer();
        const CarteSet jouables = donne.partie.cartesJouables(donne.mains[joueur]);
        const Carte& carte = *jouables.kieme(static_cast<unsigned>(generateur.tire(static_cast<int>(jouables.size()))));
        donne.mains[joueur].erase(carte);
        donne.partie.joueCarte(carte, joueur);
        donne.jouees.push_back(static_cast<std::uint8_t>(carte.getTag()));
    }
    return donne;
}

}  // namespace

// Both ways of judging (votes in the first tricks, the exact search after): the same
// situation and generator state give the same card after the same work, within the budget; the
// generator moves on as much each time.
TEST(Maitre_Reflexion, MemeSituationMemeEtatMemeChoixDansLeBudget) {
    for (const int plis : {1, 4}) {
        const Donne donne = donneJouee(plis);
        const int joueur = donne.partie.noDuProchainAJouer();
        const Maitre_Reflexion reflexion(donne.partie, joueur, donne.mains[joueur], donne.vu(), false);
        Maitre_Solveur solveur(16);
        const std::atomic<bool> abandon{false};
        KnuthRandom premier(true), second(true);
        const auto a = reflexion.reflechit(premier, solveur, abandon, horlogeArretee);
        const auto b = reflexion.reflechit(second, solveur, abandon, horlogeArretee);
        EXPECT_EQ(a.parVote, plis < Maitre_Reflexion::PLIS_AVANT_LA_RECHERCHE_EXACTE);
        EXPECT_EQ(a.choix, b.choix);
        EXPECT_EQ(a.travail, b.travail);
        EXPECT_EQ(a.echantillons, b.echantillons);
        EXPECT_GT(a.echantillons, 0);
        EXPECT_LE(a.travail, Maitre_Reflexion::TRAVAIL_PAR_DECISION);
        EXPECT_TRUE(reflexion.jouables().contient(Carte::parTag(static_cast<unsigned>(a.choix))));
        EXPECT_EQ(premier.tire(1000), second.tire(1000));
        EXPECT_FALSE(a.arretDeSecurite);
    }
}

// A stop from outside (the table is gone) ends the work with a playable card; the safety stop
// ends it too, and says so.
TEST(Maitre_Reflexion, LesArretsRendentUneCarteJouable) {
    const Donne donne = donneJouee(4);
    const int joueur = donne.partie.noDuProchainAJouer();
    const Maitre_Reflexion reflexion(donne.partie, joueur, donne.mains[joueur], donne.vu(), false);
    Maitre_Solveur solveur(16);
    KnuthRandom aleatoire(true);
    const std::atomic<bool> abandon{true};
    const auto abandonne = reflexion.reflechit(aleatoire, solveur, abandon, horlogeArretee);
    EXPECT_EQ(abandonne.echantillons, 0);
    EXPECT_TRUE(reflexion.jouables().contient(Carte::parTag(static_cast<unsigned>(abandonne.choix))));

    // In the first trick the clock is read before each vote: one second a reading stops it
    // at the second vote.
    const Donne debut = donneJouee(1);
    const int premier = debut.partie.noDuProchainAJouer();
    const Maitre_Reflexion vote(debut.partie, premier, debut.mains[premier], debut.vu(), false);
    static int lectures = 0;
    const auto horlogeQuiCourt = [] { return std::chrono::steady_clock::time_point{} + std::chrono::seconds(lectures++); };
    const std::atomic<bool> sansAbandon{false};
    const auto arrete = vote.reflechit(aleatoire, solveur, sansAbandon, horlogeQuiCourt);
    EXPECT_TRUE(arrete.arretDeSecurite);
    EXPECT_EQ(arrete.echantillons, 1);
    EXPECT_TRUE(vote.jouables().contient(Carte::parTag(static_cast<unsigned>(arrete.choix))));
}

// What was seen may make no sense (a record of cards that does not lead to this deal, a seat to
// choose the trump that does not fit it, seats that played at random, far from any habit): the
// master still plays one of its playable cards.
TEST(Maitre_Reflexion, CeQuiAEteVuContradictoireDonneUneCarteJouable) {
    for (const int plis : {1, 4}) {
        const Donne donne = donneJouee(plis);
        const int joueur = donne.partie.noDuProchainAJouer();
        Maitre_CeQuiAEteVu faux = donne.vu();
        faux.cartesJouees = {200, 3, 3};
        Maitre_CeQuiAEteVu autreChoix = donne.vu();
        autreChoix.joueurDoitChoisirAtout = 2;
        for (const Maitre_CeQuiAEteVu& vu : {faux, autreChoix, donne.vu()}) {
            const Maitre_Reflexion reflexion(donne.partie, joueur, donne.mains[joueur], vu, false);
            Maitre_Solveur solveur(16);
            const std::atomic<bool> abandon{false};
            KnuthRandom aleatoire(true);
            const auto resultat = reflexion.reflechit(aleatoire, solveur, abandon, horlogeArretee);
            EXPECT_GT(resultat.echantillons, 0);
            EXPECT_TRUE(reflexion.jouables().contient(Carte::parTag(static_cast<unsigned>(resultat.choix))));
        }
    }
}
