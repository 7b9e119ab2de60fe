#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <vector>

#include "ai/AI_Joueur.h"
#include "support/AssertionsRelevees.h"
#include "support/Cartes.h"
#include "support/TableDOrdinateurs.h"

namespace {

// Four evaluation-based players.
struct TableAI : TableDOrdinateurs {
    explicit TableAI(int niveau) : TableDOrdinateurs(OptionsDuJoueur::AI, creeAIJoueur, niveau) {}
    AI_Joueur& joueur(int siege) { return TableDOrdinateurs::joueur<AI_Joueur>(siege); }
};

bool estDecision(int etat) {
    return etat == EvenementDeJeu::AttendAtout || etat == EvenementDeJeu::AttendAtoutChibre ||
           (etat >= EvenementDeJeu::Tour1_AttendCarte1 && etat <= EvenementDeJeu::Tour9_AttendCarte4 &&
            (etat - EvenementDeJeu::Tour1_AttendCarte1) % 8 < 4);
}

}  // namespace

TEST(AI_Joueur, FourComputerPlayersPlayAGameToItsEnd) {
    TableAI table(1);
    table.plateforme.avanceJusquAuRepos(4 * 3600 * 1000);
    ASSERT_EQ(table.etat(), EvenementDeJeu::Vide_Avant_NouvellePartie);
    EXPECT_EQ(table.statistiques.getPartiesJouees(), 1);
    EXPECT_GE(table.table->compteurDonnes(), 3);
    EXPECT_EQ(table.plateforme.boites.back().texte, "Voulez vous faire une autre partie ?");
    for (int siege = 0; siege < 4; ++siege) {
        EXPECT_EQ(table.joueur(siege).noDemande(), -1);
        EXPECT_FALSE(table.joueur(siege).decisionEnAttente());
    }
}

// Decisions are handed over exactly at the minimum decision time, confirmations one tick after
// the request; nothing is answered inside the request itself. The table asks the four
// confirmations of a deal or a trick at once, so they all come on one tick.
TEST(AI_Joueur, DecisionsWaitOutTheMinimumTimeAndConfirmationsComeOnTheNextTick) {
    TableAI table(2);
    EXPECT_EQ(table.etat(), EvenementDeJeu::AttendDistribue1);
    std::map<int, int> durees;
    while (table.etat() != EvenementDeJeu::Tour2_AttendCarte1) {
        const int etat = table.etat();
        durees[etat] = table.dureeDeLEtat();
        ASSERT_NE(table.etat(), etat);
    }
    for (const auto& [etat, duree] : durees)
        EXPECT_EQ(duree, estDecision(etat) ? AI_Joueur::DELAI_MINIMUM_MS : AI_Joueur::DELAI_CONFIRMATION_MS) << etat;
    for (const int etat : {EvenementDeJeu::AttendAtout, EvenementDeJeu::AttendConfirmationAnnonces1,
                           EvenementDeJeu::Tour1_AttendCarte4, EvenementDeJeu::Tour1_AttendRamasseTas1})
        EXPECT_TRUE(durees.count(etat)) << etat;
}

TEST(AI_Joueur, WithTheAnalysisShownDecisionsAreHandedOverAtOnce) {
    TableAI table(0);
    table.table->basculeAffichageDebug();
    for (int siege = 0; siege < 4; ++siege) EXPECT_TRUE(table.joueur(siege).analyse().estVisible());
    ASSERT_TRUE(table.avanceJusqua(EvenementDeJeu::AttendConfirmationAnnonces1));
    const auto debut = table.plateforme.ecoule();
    ASSERT_TRUE(table.avanceJusqua(EvenementDeJeu::Tour2_AttendRamasseTas1));
    // Only the confirmations wait: one tick for the melds, then the four cards of the first
    // trick come at once, one tick for its collection, and the second trick's cards at once.
    EXPECT_EQ((table.plateforme.ecoule() - debut).count(), 2);

    table.table->basculeAffichageDebug();
    EXPECT_FALSE(table.joueur(0).analyse().estVisible());
}

TEST(AI_Joueur, TheSameGameIsPlayedAgainFromTheSameStart) {
    std::vector<std::string> parties[2];
    for (std::vector<std::string>& enregistrement : parties) {
        TableAI table(2);
        EXPECT_TRUE(table.avanceJusqua(EvenementDeJeu::Tour4_AttendCarte1));
        enregistrement = table.table->listeDesEvenements().enregistrement();
        table.plateforme.reponses = {false};
        table.table.reset();
    }
    EXPECT_GT(parties[0].size(), 30u);
    EXPECT_EQ(parties[0], parties[1]);
}

TEST(AI_Joueur, AnalysisWindowIsNamedAndPlacedForItsSeatAndHoldsTheLastDecision) {
    TableAI table(1);
    ASSERT_TRUE(table.avanceJusqua(EvenementDeJeu::Tour1_AttendRamasseTas1));
    const AnalyseJoueur& analyse = table.joueur(3).analyse();
    EXPECT_EQ(analyse.titre(), "Analyse 'Gertrude'");
    EXPECT_EQ(analyse.siege(), 3);
    ASSERT_FALSE(analyse.noeuds().empty());
    EXPECT_EQ(analyse.noeuds()[0].texte, "Joueur 3");
    // The charts follow the play: no seat may hold a card on the table.
    const Partie& partie = *table.table->partie();
    for (const Carte& carte : partie.getCartesDejaJouees())
        EXPECT_EQ(analyse.graphique(carte.getCouleur()).series[0][carte.getPosition() - 6].hauteur, 0);
}

TEST(AI_Joueur, TheTablesAreResetForEveryDealAlsoInAReplay) {
    TableAI table(2);
    ASSERT_TRUE(table.avanceJusqua(EvenementDeJeu::Tour2_AttendCarte1));
    AI_Joueur& joueur = table.joueur(1);
    const Carte& jouee = *table.table->partie()->getCartesDejaJouees().begin();
    EXPECT_FALSE(joueur.probas().peutAvoir(0, jouee));

    joueur.demandeDistribue(InfoDemande(EvenementDeJeu::AttendDistribue2, ModeRejeu::Chargement));
    for (int siege = 0; siege < 4; ++siege) {
        EXPECT_TRUE(joueur.probas().peutAvoir(siege, jouee));
        EXPECT_FALSE(joueur.probas().aCarte(siege, jouee));
    }
}

TEST(AI_Joueur, MeldsToldByAnotherSeatBelongToItAlone) {
    TableAI table(2);
    AI_Joueur& joueur = table.joueur(0);
    joueur.demandeDistribue(InfoDemande(EvenementDeJeu::AttendDistribue1, ModeRejeu::Chargement));
    const CarteSet mains[4] = {ens("6T 7T 8T 9T XT VT DT RT AT"), ens("6K 7K 8K 9K XK VK DK RK AK"),
                               ens("6P 7P 8P 9P XP VP DP RP AP"), ens("6C 7C 8C 9C XC VC DC RC AC")};
    joueur.recoitCartes(mains[0]);
    for (int siege = 1; siege < 4; ++siege) joueur.mainDeJoueur(mains[siege], siege);

    const Annonces annonces(ens("9C XC VC DC RC AC 6C 7C 8C"));
    joueur.annonceFaite(3, annonces);
    for (const Carte& carte : ens("AC RC DC VC XC"))
        for (int siege = 0; siege < 3; ++siege) EXPECT_FALSE(joueur.probas().peutAvoir(siege, carte));
    // Only the five highest stand for a longer run.
    EXPECT_TRUE(joueur.probas().peutAvoir(1, c("9C")));
}

// A new game may replace the table while an answer waits: it is dropped, nothing fires later.
TEST(AI_Joueur, AnswersPendingWhenTheTableIsReplacedAreDropped) {
    TableAI table(2);
    EXPECT_TRUE(table.joueur(0).confirmationEnAttente());
    table.table.reset();
    EXPECT_EQ(table.plateforme.minuteriesActives(), 0);

    TableAI decision(2);
    ASSERT_TRUE(decision.avanceJusqua(EvenementDeJeu::AttendAtout));
    EXPECT_TRUE(decision.joueur(decision.table->joueurDoitChoisirAtout()).decisionEnAttente());
    decision.table.reset();
    EXPECT_EQ(decision.plateforme.minuteriesActives(), 0);
}

namespace {

// A window that reads its analysis when it goes, as a real window does.
std::vector<std::string> fenetresOuvertes;
class FenetreEnregistreuse : public FenetreAnalyse {
public:
    explicit FenetreEnregistreuse(AnalyseJoueur& analyse) : analyse_(analyse) { fenetresOuvertes.push_back(analyse.titre()); }
    ~FenetreEnregistreuse() override { std::erase(fenetresOuvertes, analyse_.titre()); }

private:
    AnalyseJoueur& analyse_;
};

std::unique_ptr<FenetreAnalyse> creeFenetreEnregistreuse(AnalyseJoueur& analyse) {
    return std::make_unique<FenetreEnregistreuse>(analyse);
}

}  // namespace

TEST(AI_Joueur, EachComputerPlayerOwnsItsAnalysisWindowAndDropsItBeforeItsAnalysis) {
    installeFabriqueFenetreAnalyse(creeFenetreEnregistreuse);
    {
        TableAI table(2);
        EXPECT_EQ(fenetresOuvertes.size(), 4u);
        EXPECT_EQ(fenetresOuvertes[1], table.joueur(1).analyse().titre());
    }
    EXPECT_TRUE(fenetresOuvertes.empty());
    installeFabriqueFenetreAnalyse(nullptr);
}
