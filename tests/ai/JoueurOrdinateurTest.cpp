#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "ai/JoueurOrdinateur.h"
#include "ai/JoueurOrdinateurPlies.h"
#include "support/AssertionsRelevees.h"
#include "support/TableDOrdinateurs.h"

namespace fs = std::filesystem;

namespace {

struct Race {
    OptionsDuJoueur::Race race;
    FabriqueJoueur fabrique;
    const char* nom;
};

const Race races[] = {
    {OptionsDuJoueur::Ordinateur, creeJoueurOrdinateur, "JoueurOrdinateur"},
    {OptionsDuJoueur::OrdinateurParfait, creeJoueurOrdinateurParfait, "JoueurOrdinateurParfait"},
    {OptionsDuJoueur::OrdinateurPlies, creeJoueurOrdinateurPlies, "JoueurOrdinateurPlies"},
    {OptionsDuJoueur::OrdinateurParfaitPlies, creeJoueurOrdinateurParfaitPlies, "JoueurOrdinateurParfaitPlies"},
};

// Four simulating players of one race.
struct TableSimulee : TableDOrdinateurs {
    TableSimulee(const Race& race, int niveau, bool departAtoutPlusHaut = true)
        : TableDOrdinateurs(race.race, race.fabrique, niveau, optionsSuisseRomand(), departAtoutPlusHaut) {}
    JoueurSimulateur& joueur(int siege) { return TableDOrdinateurs::joueur<JoueurSimulateur>(siege); }
};

class ParRace : public ::testing::TestWithParam<Race> {};

}  // namespace

// The same start gives the same game at the strongest level; a whole game is played to its end
// at the quickest, without any internal error.
TEST_P(ParRace, FourPlayersPlayTheSameGameToItsEndFromTheSameStart) {
    AssertionsRelevees relevees;
    std::vector<std::string> donnes[2];
    for (std::vector<std::string>& enregistrement : donnes) {
        TableSimulee table(GetParam(), 2);
        ASSERT_TRUE(table.avanceJusqua(EvenementDeJeu::Tour4_AttendCarte1));
        enregistrement = table.table->listeDesEvenements().enregistrement();
    }
    EXPECT_GT(donnes[0].size(), 30u);
    EXPECT_EQ(donnes[0], donnes[1]);

    TableSimulee table(GetParam(), 0);
    table.plateforme.avanceJusquAuRepos(4 * 3600 * 1000);
    EXPECT_EQ(table.etat(), EvenementDeJeu::Vide_Avant_NouvellePartie);
    EXPECT_EQ(table.statistiques.getPartiesJouees(), 1);
    EXPECT_TRUE(relevees.vide()) << relevees.toutes().front().expression;
}

// Game files naming these players are loaded and go on being played.
TEST_P(ParRace, AGameFileNamingThemReplaysAndPlayGoesOn) {
    const fs::path fichier = fs::temp_directory_path() / (std::string("trumpwise-") + GetParam().nom + ".jss");
    std::vector<std::string> enregistrement;
    {
        TableSimulee table(GetParam(), 1);
        ASSERT_TRUE(table.avanceJusqua(EvenementDeJeu::Tour3_AttendCarte1));
        table.table->sauve(fichier.string());
        enregistrement = table.table->listeDesEvenements().enregistrement();
    }
    TableSimulee rechargee(GetParam(), 1);
    rechargee.plateforme.reponses = {false, false};  // quick load, no new game afterwards
    rechargee.table->commencePartie(Table::ChargeFichier, OptionsDePartie::Local, fichier.string());
    fs::remove(fichier);
    EXPECT_EQ(rechargee.etat(), EvenementDeJeu::Tour3_AttendCarte1);
    EXPECT_EQ(rechargee.table->listeDesEvenements().enregistrement(), enregistrement);
    EXPECT_TRUE(rechargee.avanceJusqua(EvenementDeJeu::Tour4_AttendCarte1));
    EXPECT_NE(dynamic_cast<JoueurSimulateur*>(rechargee.table->getJoueur(0)), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Races, ParRace, ::testing::ValuesIn(races), [](const auto& info) { return std::string(info.param.nom); });

// Decisions are handed over at the minimum decision time, shown melds are confirmed within the
// request, the other confirmations on the next tick; with the analysis shown, decisions at once.
TEST(JoueurOrdinateur, DecisionsWaitOutTheMinimumTimeUnlessTheAnalysisIsShown) {
    TableSimulee table(races[0], 2);
    std::map<int, int> durees;
    while (table.etat() != EvenementDeJeu::Tour1_AttendRamasseTas1) {
        const int etat = table.etat();
        durees[etat] = table.dureeDeLEtat();
        ASSERT_NE(table.etat(), etat);
    }
    EXPECT_FALSE(durees.count(EvenementDeJeu::AttendConfirmationAnnonces1));
    for (const int etat : {EvenementDeJeu::AttendDistribue1, EvenementDeJeu::AttendAtout, EvenementDeJeu::Tour1_AttendCarte1,
                           EvenementDeJeu::Tour1_AttendCarte4}) {
        ASSERT_TRUE(durees.count(etat)) << etat;
        EXPECT_EQ(durees[etat], etat == EvenementDeJeu::AttendDistribue1 ? JoueurCalculateur::DELAI_CONFIRMATION_MS
                                                                          : JoueurCalculateur::DELAI_MINIMUM_MS)
            << etat;
    }

    table.table->basculeAffichageDebug();
    EXPECT_TRUE(table.joueur(1).analyse().estVisible());
    // The second trick's cards all come within the tick that collects the first.
    const auto debut = table.plateforme.ecoule();
    ASSERT_TRUE(table.avanceJusqua(EvenementDeJeu::Tour2_AttendRamasseTas1));
    EXPECT_EQ((table.plateforme.ecoule() - debut).count(), 1);
}

// The analysis of a card decision: the line of minus signs, one tree node per sample (five at
// the start of a deal) under the root, one projection page per card named; then the time taken.
TEST(JoueurOrdinateur, ACardDecisionIsWrittenToTheAnalysis) {
    TableSimulee table(races[0], 2, false);
    ASSERT_TRUE(table.avanceJusqua(EvenementDeJeu::Tour1_AttendCarte2));
    const Partie& partie = *table.table->partie();
    const AnalyseJoueur& analyse = table.joueur(partie.getJoueurQuiACommence()).analyse();
    EXPECT_EQ(analyse.titre(), "Analyse '" + table.joueur(partie.getJoueurQuiACommence()).nom() + "'");
    ASSERT_GE(analyse.lignes().size(), 2u);
    EXPECT_EQ(analyse.lignes()[analyse.lignes().size() - 2], std::string(34, '-'));
    ASSERT_EQ(analyse.noeuds().size(), 6u);
    EXPECT_EQ(analyse.noeuds()[0].texte, "Joueur " + std::to_string(partie.getJoueurQuiACommence()));
    EXPECT_EQ(analyse.noeuds()[0].enfants.size(), 5u);
    EXPECT_EQ(analyse.noeuds()[1].texte.rfind("Simulation ", 0), 0u);
    EXPECT_FALSE(analyse.projections().empty());
    std::size_t scores = 0;
    for (const auto& page : analyse.projections()) scores += page->serie.size();
    EXPECT_EQ(scores, 5u);
}

// A knowing player keeps the hands it is told before its own arrives for the whole deal, and
// nothing of them in the next deal; the others ignore them.
TEST(JoueurOrdinateur, KnowingPlayersKeepWhatTheyAreToldForTheDeal) {
    struct Cas {
        const Race& race;
        float confiance;
    };
    // The confidence of race 2 is diluted by the hands told after it: each lends 0.3 to its seat.
    for (const Cas& cas : {Cas{races[0], 1.0f / 3}, Cas{races[1], 0.4392f}, Cas{races[3], 1.0f}}) {
        TableSimulee table(cas.race, 1);
        ASSERT_TRUE(table.avanceJusqua(EvenementDeJeu::AttendAtout));
        JoueurSimulateur& joueur = table.joueur(3);
        for (const Carte& carte : table.joueur(0).getMain())
            EXPECT_NEAR(joueur.distribution().probabilite(carte, 0), cas.confiance, 1e-3f) << cas.race.nom;
        for (const Carte& carte : joueur.getMain()) EXPECT_EQ(joueur.distribution().probabilite(carte, 3), 1.0f);

        joueur.demandeDistribue(InfoDemande(EvenementDeJeu::AttendDistribue2, ModeRejeu::Chargement));
        const float apres = joueur.distribution().probabilite(*table.joueur(0).getMain().begin(), 0);
        EXPECT_FLOAT_EQ(apres, cas.race.race == OptionsDuJoueur::Ordinateur ? 1.0f / 3 : 0.25f) << cas.race.nom;
    }
}

// Told one hand for two seats with certainty (a file or a peer repeating a hand), a knowing
// player's beliefs leave no deal possible: the internal error is reported once and a legal card
// is played all the same.
TEST(JoueurOrdinateur, ContradictoryBeliefsEndWithOneInternalErrorAndALegalCard) {
    TableSimulee table(races[3], 2, false);
    ASSERT_TRUE(table.avanceJusqua(EvenementDeJeu::AttendAtout));
    // The seat that had to choose trump leads.
    const int meneur = table.table->joueurDoitChoisirAtout();
    JoueurSimulateur& joueur = table.joueur(meneur);
    joueur.demandeDistribue(InfoDemande(EvenementDeJeu::AttendDistribue1 + meneur, ModeRejeu::Chargement));
    joueur.recoitCartes(joueur.getMain());
    const CarteSet mainRepetee = table.joueur((meneur + 1) % 4).getMain();
    joueur.mainDeJoueur(mainRepetee, (meneur + 1) % 4);
    joueur.mainDeJoueur(mainRepetee, (meneur + 2) % 4);
    AssertionsRelevees relevees;
    ASSERT_TRUE(table.avanceJusqua(EvenementDeJeu::Tour1_AttendCarte2));
    EXPECT_EQ(relevees.toutes().size(), 1u);
    EXPECT_TRUE(relevees.contient("uneDonneExiste"));
    EXPECT_EQ(table.table->listeDesEvenements().enregistrement().back().rfind("{AjouteCarte_v3.1", 0), 0u);
}
