// The aids beyond the classic table: the last trick shown again, the hands of a deal that
// ended, the automatic confirmations. Each only shows what the game's record holds or clicks
// what the user would click: the game's events stay the same.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QTest>
#include <QThreadPool>

#include "platform/TableDesTextes.h"
#include "support/PartieDeQuatreHumains.h"
#include "ai/Maitre_Conseil.h"
#include "ui/CoachDeLaDonne.h"
#include "ui/Texte.h"
#include "ui/VueCartesRamassees.h"
#include "ui/VueMainsDeLaDonne.h"
#include "ui/VuePanelJoueur.h"
#include "ui/VueTable.h"
#include "ui/VueTasCentral.h"

namespace {

class AidesDeLaTableTest : public ::testing::Test {
protected:
    void SetUp() override {
        vue_.resize(792, 554);
        vue_.setTable(&partie_.table);
        vue_.show();
    }
    void TearDown() override { vue_.setTable(nullptr); }

    // Acts and lets the timers run until the deal about to be dealt has ended and the next one waits.
    void finitLaDonne(PartieDeQuatreHumains& partie, bool sansCliquerOk = false) {
        Table& table = partie.table;
        const int avant = table.compteurDonnes();
        for (int garde = 0; garde < 20000; ++garde) {
            if (table.compteurDonnes() > avant && table.etatJeu() == EvenementDeJeu::AttendDistribue1) return;
            // The automatic confirmations click before the driver would.
            if (sansCliquerOk && partie.joueur(0).panel().boutonActionActif()) {
                partie.plateforme.avance(100);
                continue;
            }
            if (!partie.agit()) partie.plateforme.avance(1);
        }
        FAIL() << "the deal did not end";
    }

    PartieDeQuatreHumains partie_{5};
    VueTable vue_;
};

}  // namespace

TEST_F(AidesDeLaTableTest, TheLastTrickOnDemandUntilTheNextCardIsPut) {
    partie_.demarre(OptionsDePartie());
    EXPECT_FALSE(vue_.montreDernierPli()) << "no trick collected yet";
    partie_.joueJusqua(EvenementDeJeu::Tour1_AttendRamasseTas1);
    std::array<const Carte*, 4> pli{};
    for (int siege = 0; siege < 4; ++siege) pli[siege] = partie_.table.tasCentral().carteDe(siege);
    const int gagnant = partie_.table.partie()->noDuProchainAJouer();
    EXPECT_FALSE(vue_.montreDernierPli()) << "the trick on the pile is not collected yet";

    partie_.joueJusqua(EvenementDeJeu::Tour2_AttendCarte1);
    VueTasCentral* tas = vue_.vueTas();
    QTest::mouseClick(vue_.vueRamassees(1), Qt::LeftButton);
    ASSERT_TRUE(tas->pliMontre()) << "a click on a score box shows the last trick";
    EXPECT_EQ(tas->texteBandeau(), qtexte(formate(3954, partie_.table.nomDuJoueur(gagnant))));
    const HistoriqueDesDonnes::Pli* montre = vue_.historique().dernierPliRamasse();
    ASSERT_NE(montre, nullptr);
    EXPECT_EQ(montre->cartes, pli);
    EXPECT_EQ(montre->gagnant, gagnant);
    EXPECT_EQ(tas->carteSous(tas->coinDeCarte(0) + QPoint(5, 5)), nullptr) << "no hint on an old card";

    for (int garde = 0; garde < 100 && partie_.table.tasCentral().nbCartes() == 0; ++garde) partie_.agit();
    ASSERT_EQ(partie_.table.tasCentral().nbCartes(), 1);
    EXPECT_FALSE(tas->pliMontre()) << "the next card put on the pile ends it";
    EXPECT_EQ(tas->texteBandeau(), qtexte(partie_.table.tasCentral().labelAtout()));
}

TEST_F(AidesDeLaTableTest, TheHandsOfTheDealThatEndedWithEachTeamsPointsTillTheNextDeal) {
    partie_.demarre(OptionsDePartie());
    EXPECT_FALSE(vue_.vueMains()->isVisible()) << "before the first deal";
    finitLaDonne(partie_);
    VueMainsDeLaDonne* mains = vue_.vueMains();
    ASSERT_TRUE(mains->isVisible());
    EXPECT_FALSE(vue_.vueTas()->isVisible());
    const HistoriqueDesDonnes::Donne& donne = *vue_.historique().derniereDonneTerminee();
    CarteSet toutes;
    for (int rang = 0; rang < 4; ++rang) {
        const int siege = VueMainsDeLaDonne::ORDRE_DES_SIEGES[rang];
        const VueMainsDeLaDonne::Main& main = mains->mains()[rang];
        EXPECT_EQ(main.nom, qtexte(partie_.table.nomDuJoueur(siege)));
        EXPECT_EQ(main.cartes.size(), 9u);
        for (const Carte& carte : main.cartes) toutes.insert(carte);
        const int equipe = siege % 2;
        const int annonces = (*donne.points)[equipe] - donne.pointsCartes[equipe];
        EXPECT_EQ(annonces + donne.pointsCartes[equipe], partie_.table.totalEquipe(equipe));
        const QString points = rang % 2 ? QString() : qtexte(formate(3956, donne.pointsCartes[equipe], annonces));
        EXPECT_EQ(main.points, points) << "rank " << rang;
    }
    EXPECT_EQ(toutes.size(), 36u);

    // The last trick asked for takes the pile's place for a while.
    ASSERT_TRUE(vue_.montreDernierPli());
    EXPECT_FALSE(mains->isVisible());
    EXPECT_TRUE(vue_.vueTas()->isVisible());
    vue_.vueTas()->cachePli();
    EXPECT_TRUE(mains->isVisible());

    // The coach is still at work on this deal when the next one is dealt: it stops.
    const int numero = static_cast<int>(vue_.historique().donnes().size()) - 1;
    ASSERT_EQ(vue_.coach()->etatCritique(numero), CoachDeLaDonne::Etat::EnCours);
    // Nor does the automatic confirmation deal the next one while the coach is at work.
    vue_.setConfirmationAutomatique(true);
    partie_.plateforme.avance(PanelDeJoueur::pauseAvantConfirmation(PanelDeJoueur::Action::Distribue) + 60000);
    EXPECT_TRUE(partie_.joueur(0).panel().boutonActionActif()) << "the deal waits for the coach";
    vue_.setConfirmationAutomatique(false);
    partie_.joueJusqua(EvenementDeJeu::AttendAtout);
    EXPECT_FALSE(mains->isVisible()) << "the next deal is dealt";
    EXPECT_TRUE(vue_.vueTas()->isVisible());
    EXPECT_EQ(vue_.coach()->etatCritique(numero), CoachDeLaDonne::Etat::Inconnu);
    EXPECT_TRUE(QThreadPool::globalInstance()->waitForDone(3000)) << "the work stopped";
}

// With the option on, nobody clicks an "Ok": the timers do, and the game's record is the very
// one of the same game played with the clicks.
TEST_F(AidesDeLaTableTest, AutomaticConfirmationsGiveTheSameEventsAsTheClicks) {
    partie_.demarre(OptionsDePartie());
    finitLaDonne(partie_);
    const int clics = partie_.nbActions;

    PartieDeQuatreHumains automatique(5);
    VueTable vue;
    vue.setConfirmationAutomatique(true);
    vue.setTable(&automatique.table);
    automatique.demarre(OptionsDePartie());
    finitLaDonne(automatique, true);
    EXPECT_EQ(automatique.table.listeDesEvenements().enregistrement(), partie_.table.listeDesEvenements().enregistrement());
    EXPECT_LT(automatique.nbActions, clics - 30) << "the trick collections were clicked by the timers";
    vue.setTable(nullptr);
}

namespace {

// Each seat holds a whole suit: whoever leads with the trump suit takes every trick.
HistoriqueDesDonnes::Donne donneDesQuatreCouleurs(Atout atout, int premier) {
    HistoriqueDesDonnes::Donne donne;
    donne.atout = atout;
    donne.multiplicateur = 2;
    donne.choisiPar = premier;
    HistoriqueDesDonnes::Pli pli;
    pli.premier = premier;
    donne.plis.push_back(pli);
    for (unsigned tag = 0; tag < 36; ++tag) donne.cartesJouees[tag / 9].insert(Carte::parTag(tag));
    return donne;
}

}  // namespace

// The coach solves a deal with every hand open in a thread of its own and answers on the
// window's thread; a deal past its budget, or not whole, is not solved, nor reviewed.
TEST(CoachDeLaDonne, PerfectPlayPointsOfEachTeamOrAGivenUpSolve) {
    EXPECT_EQ(CoachDeLaDonne::pointsParfaits(donneDesQuatreCouleurs(Atout::Trefle, 0), CoachDeLaDonne::NOEUDS_MAX),
              (CoachDeLaDonne::Points{514, 0}));
    CoachDeLaDonne coach;
    std::vector<int> evaluees;
    QObject::connect(&coach, &CoachDeLaDonne::evaluee, [&](int numero) { evaluees.push_back(numero); });
    coach.evalue(7, donneDesQuatreCouleurs(Atout::Carreau, 1), 0, TypeDePartie(), false);
    EXPECT_EQ(coach.etat(7), CoachDeLaDonne::Etat::EnCours);
    EXPECT_EQ(coach.etatCritique(7), CoachDeLaDonne::Etat::EnCours);
    ASSERT_TRUE(QTest::qWaitFor([&] { return evaluees.size() == 2; }, 20000));
    EXPECT_EQ(coach.resultat(7), (CoachDeLaDonne::Points{0, 514}));
    EXPECT_EQ(evaluees, (std::vector<int>{7, 7}));
    EXPECT_EQ(coach.etatCritique(7), CoachDeLaDonne::Etat::Abandonne) << "only the first trick is known";
    coach.evalue(7, donneDesQuatreCouleurs(Atout::Trefle, 0), 0, TypeDePartie(), false);
    EXPECT_EQ(coach.etat(7), CoachDeLaDonne::Etat::Connu) << "a deal is solved once";

    CoachDeLaDonne presse(nullptr, 10);
    presse.evalue(1, donneDesQuatreCouleurs(Atout::Pique, 3), 0, TypeDePartie(), false);
    ASSERT_TRUE(QTest::qWaitFor([&] { return presse.etat(1) != CoachDeLaDonne::Etat::EnCours; }, 20000));
    EXPECT_EQ(presse.etat(1), CoachDeLaDonne::Etat::Abandonne);
    HistoriqueDesDonnes::Donne entamee = donneDesQuatreCouleurs(Atout::Trefle, 0);
    entamee.cartesJouees[2] = CarteSet();
    EXPECT_FALSE(CoachDeLaDonne::pointsParfaits(entamee, CoachDeLaDonne::NOEUDS_MAX).has_value());

    // Another game: an answer still to come for the earlier one is dropped.
    coach.evalue(2, donneDesQuatreCouleurs(Atout::Coeur, 3), 0, TypeDePartie(), false);
    coach.oublie();
    ASSERT_TRUE(QThreadPool::globalInstance()->waitForDone(20000));
    QCoreApplication::processEvents();
    EXPECT_EQ(coach.etat(2), CoachDeLaDonne::Etat::Inconnu);
    EXPECT_EQ(coach.etatCritique(2), CoachDeLaDonne::Etat::Inconnu);
}

// At the end of a deal the coach says it is at work, then lists in the hands' box the cards where
// seats 0 and 2 lost the most against the master, the costliest first; the box grows upwards
// without covering the texts above it, and the game's record stays as it was. (The first deal of
// this seed is quickly solved from its first tricks.)
TEST_F(AidesDeLaTableTest, TheCostliestCardsOfTheUsersTeamAgainstTheMasterBesideTheHands) {
    PartieDeQuatreHumains partie(6);
    vue_.setTable(&partie.table);
    partie.demarre(OptionsDePartie());
    finitLaDonne(partie);
    VueMainsDeLaDonne* mains = vue_.vueMains();
    ASSERT_TRUE(mains->isVisible());
    const int numero = static_cast<int>(vue_.historique().donnes().size()) - 1;
    CoachDeLaDonne* coach = vue_.coach();
    ASSERT_EQ(coach->etatCritique(numero), CoachDeLaDonne::Etat::EnCours);
    EXPECT_EQ(mains->texte(mains->nbTextes() - 1), qtexte(3970));
    const std::vector<std::string> enregistrement = partie.table.listeDesEvenements().enregistrement();

    ASSERT_TRUE(QTest::qWaitFor([&] { return coach->etatCritique(numero) != CoachDeLaDonne::Etat::EnCours; }, 60000));
    const std::optional<Maitre_Critique::Bilan> bilan = coach->critique(numero);
    ASSERT_TRUE(bilan);
    EXPECT_EQ(partie.table.listeDesEvenements().enregistrement(), enregistrement);
    QStringList attendues{qtexte(bilan->ecarts.empty() ? 3972 : 3973)};
    for (std::size_t k = 0; k < bilan->ecarts.size() && k < 3; ++k) {
        const Maitre_Critique::Ecart& ecart = bilan->ecarts[k];
        EXPECT_EQ(ecart.siege % 2, 0);
        EXPECT_GT(ecart.perte, 0);
        if (k > 0) {
            EXPECT_LE(ecart.perte, bilan->ecarts[k - 1].perte);
        }
        attendues << qtexte(formate(3974, ecart.pli, partie.table.nomDuJoueur(ecart.siege), ecart.jouee->getNom(), ecart.perte))
                  << qtexte(formate(3975, ecart.conseillee->getNom()));
    }
    if (bilan->nonJugees > 0) attendues << qtexte(formate(3976, bilan->nonJugees));
    QStringList lignes;
    for (int i = 9; i < mains->nbTextes(); ++i) {
        lignes << mains->texte(i);
        EXPECT_LE(QFontMetrics(mains->police(i)).horizontalAdvance(mains->texte(i)), mains->rectTexte(i).width());
        EXPECT_TRUE(mains->rect().contains(mains->rectTexte(i)));
        EXPECT_LT(mains->rectTexte(i).bottom(), mains->rectCarte(0, 0).top());
    }
    EXPECT_EQ(lignes, attendues);
    EXPECT_EQ(mains->geometry().bottom(), vue_.vueTas()->geometry().bottom()) << "it grows upwards";
    for (int i = 0; i < VueTable::NB_HISTORIQUE; ++i) {
        if (vue_.labelHistorique(i)->isVisible()) {
            EXPECT_FALSE(vue_.labelHistorique(i)->geometry().intersects(mains->geometry())) << "history line " << i;
        }
    }
    EXPECT_FALSE(vue_.labelEtat()->geometry().intersects(mains->geometry()));
    vue_.setTable(nullptr);
}

// On demand, while a user is to play, the master's card for him under the status line: "thinking"
// first, then the card, which is the master's from what that seat knows. It is never played, and
// it goes when the seat has played or the option is switched off.
TEST_F(AidesDeLaTableTest, TheMastersCardForTheUserToPlayOnDemand) {
    partie_.demarre(OptionsDePartie());
    partie_.joueJusqua(EvenementDeJeu::Tour5_AttendCarte4);
    EXPECT_TRUE(vue_.labelConseil()->text().isEmpty()) << "off by default";
    vue_.setConseilsDuMaitre(true);
    partie_.joueJusqua(EvenementDeJeu::Tour6_AttendCarte3);
    ASSERT_EQ(partie_.table.etatJeu(), EvenementDeJeu::Tour6_AttendCarte3);
    SuggestionDuMaitre* suggestion = vue_.suggestion();
    EXPECT_EQ(suggestion->etat(), SuggestionDuMaitre::Etat::EnCours);
    EXPECT_EQ(vue_.labelConseil()->text(), qtexte(3977));
    EXPECT_TRUE(vue_.labelConseil()->isVisible());
    const std::vector<std::string> enregistrement = partie_.table.listeDesEvenements().enregistrement();
    ASSERT_TRUE(QTest::qWaitFor([&] { return suggestion->etat() == SuggestionDuMaitre::Etat::Connue; }, 20000));

    const Partie& partie = *partie_.table.partie();
    Joueur& joueur = partie_.joueur(partie.noDuProchainAJouer());
    // The master is told the seat's hand, the melds shown, who was asked for the mode first, the
    // variant, and the cards played in the order that led to the trick under way.
    ASSERT_TRUE(suggestion->situation());
    const Maitre_CeQuiAEteVu& vu = suggestion->situation()->vu;
    EXPECT_EQ(suggestion->situation()->main, joueur.getMain());
    EXPECT_EQ(vu.annoncees, vue_.historique().donnes().back().annoncesMontrees);
    EXPECT_EQ(vu.joueurDoitChoisirAtout, partie_.table.joueurDoitChoisirAtout());
    EXPECT_TRUE(vu.typeDePartie.estValide());
    EXPECT_EQ(vu.typeDePartie.getDescription(), partie_.table.optionsDePartie().getTypeDePartie().getDescription());
    Partie rejouee(partie.atoutChoisi(), CarteSet::complet(), vu.joueurDoitChoisirAtout, partie.getJoueurQuiAFaitAtout(),
                   partie.getMultiplicateur());
    for (const std::uint8_t tag : vu.cartesJouees) rejouee.joueCarte(Carte::parTag(tag), rejouee.noDuProchainAJouer());
    EXPECT_EQ(rejouee.getCartesDejaJouees(), partie.getCartesDejaJouees());
    EXPECT_EQ(rejouee.noDuProchainAJouer(), partie.noDuProchainAJouer());
    for (int siege = 0; siege < 4; ++siege) EXPECT_EQ(rejouee.getCarteJoueePar(siege), partie.getCarteJoueePar(siege));
    const std::atomic<bool> abandon{false};
    const Carte* attendue =
        Maitre_Conseil(joueur.options().getDepartAtoutPlusHaut()).carte(partie, joueur.getMain(), vu, abandon);
    EXPECT_EQ(suggestion->carte(), attendue);
    EXPECT_EQ(vue_.labelConseil()->text(), qtexte(formate(3978, attendue->getNom())));
    EXPECT_EQ(vue_.vuePanel(partie.noDuProchainAJouer())->zoneCartes()->carteConseillee(), attendue) << "framed in the hand";
    EXPECT_EQ(partie_.table.listeDesEvenements().enregistrement(), enregistrement);
    EXPECT_TRUE(joueur.panel().zoneCartesActive()) << "the card is the user's to play";
    EXPECT_FALSE(vue_.labelConseil()->geometry().intersects(vue_.labelEtat()->geometry()));

    partie_.agit();
    ASSERT_NE(partie_.table.etatJeu(), EvenementDeJeu::Tour6_AttendCarte1);
    EXPECT_NE(suggestion->etat(), SuggestionDuMaitre::Etat::Connue) << "the next seat's moment";
    ASSERT_TRUE(suggestion->situation());
    EXPECT_EQ(suggestion->situation()->vu.cartesJouees.size(), partie.nbCartesJouees());
    vue_.setConseilsDuMaitre(false);
    EXPECT_EQ(suggestion->etat(), SuggestionDuMaitre::Etat::Aucune);
    for (int siege = 0; siege < 4; ++siege) EXPECT_EQ(vue_.vuePanel(siege)->zoneCartes()->carteConseillee(), nullptr);
    EXPECT_TRUE(vue_.labelConseil()->text().isEmpty());
    EXPECT_FALSE(vue_.labelConseil()->isVisible());
}
