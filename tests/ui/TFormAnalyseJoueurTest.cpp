#include <gtest/gtest.h>

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChartView>
#include <QCoreApplication>
#include <QLineSeries>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStackedBarSeries>
#include <QTabWidget>
#include <QTreeWidget>
#include <QValueAxis>

#include "ai/AnalyseJoueur.h"
#include "rules/Carte.h"
#include "ui/TFormAnalyseJoueur.h"

namespace {

struct TFormAnalyseJoueurTest : ::testing::Test {
    AnalyseJoueur analyse;
    TFormAnalyseJoueur fenetre{analyse};

    // The window draws the model's changes once the player's call returns to the event loop.
    static void laisseDessiner() { QCoreApplication::processEvents(); }

    QStringList lignesAffichees() const { return fenetre.RichEditInfo->toPlainText().split('\n'); }
    QBarSet& part(int couleur, int siege) const {
        auto* series = static_cast<QStackedBarSeries*>(fenetre.graphique(couleur)->chart()->series().at(0));
        return *series->barSets().at(siege);
    }
};

QStringList titresDesPages(const QTabWidget& pages) {
    QStringList titres;
    for (int i = 0; i < pages.count(); ++i) titres << pages.tabText(i);
    return titres;
}

}  // namespace

TEST_F(TFormAnalyseJoueurTest, StartsHiddenWithTheTreePageAndTheHeartsChartInFront) {
    EXPECT_FALSE(fenetre.isVisible());
    EXPECT_EQ(fenetre.windowTitle(), "Analyse joueur");
    EXPECT_EQ(fenetre.size(), QSize(255, 306));
    EXPECT_EQ(titresDesPages(*fenetre.PageControlMain), (QStringList{"Text", "Probs", "Projections", "Tree"}));
    EXPECT_EQ(fenetre.PageControlMain->currentWidget(), fenetre.TabSheetTree);
    EXPECT_EQ(titresDesPages(*fenetre.PageControlDistrib), (QStringList{"Trefle", "Carreau", "Pique", "Coeur"}));
    EXPECT_EQ(fenetre.PageControlDistrib->currentIndex(), 3);
    EXPECT_EQ(fenetre.graphique(Carte::Coeur)->objectName(), "Chart3");
    EXPECT_EQ(fenetre.PageControl->count(), 0);
    EXPECT_FALSE(fenetre.ButtonContinue->isEnabled());
    EXPECT_EQ(part(Carte::Trefle, 1).label(), "Bas G");
    EXPECT_EQ(part(Carte::Trefle, 1).color(), QColor(0, 128, 255));
}

TEST_F(TFormAnalyseJoueurTest, FollowsTheModelsVisibilityAndTellsItWhenClosed) {
    analyse.setTitre("Analyse 'Alphonse'");
    analyse.montre();
    EXPECT_TRUE(fenetre.isVisible());
    EXPECT_EQ(fenetre.windowTitle(), "Analyse 'Alphonse'");
    fenetre.close();
    EXPECT_FALSE(analyse.estVisible());
    EXPECT_FALSE(fenetre.isVisible());
}

TEST_F(TFormAnalyseJoueurTest, AppendsTheTextAndKeepsTheLastLineInView) {
    analyse.montre();
    for (int i = 0; i < 200; ++i) analyse.ajouteLigne("ligne " + std::to_string(i));
    laisseDessiner();
    ASSERT_EQ(lignesAffichees().size(), 200);
    EXPECT_EQ(lignesAffichees().back(), "ligne 199");
    const QScrollBar* defilement = fenetre.RichEditInfo->verticalScrollBar();
    EXPECT_GT(defilement->maximum(), 0);
    EXPECT_EQ(defilement->value(), defilement->maximum());

    // Emptied and written again before the window could draw: only the new text shows.
    analyse.videTexte();
    analyse.ajouteLigne("Temps: 0.3 s");
    laisseDessiner();
    EXPECT_EQ(lignesAffichees(), QStringList{"Temps: 0.3 s"});
}

TEST_F(TFormAnalyseJoueurTest, DrawsTheTreeAndExpandsTheSelectedBranch) {
    analyse.montre();
    const int racine = analyse.ajouteRacine("Joueur 1");
    const int enfant = analyse.ajouteEnfant(racine, "As de Pique");
    analyse.ajouteEnfant(enfant, "Roi de Coeur");
    analyse.ajouteAuTexte(enfant, " 57");
    laisseDessiner();

    QTreeWidgetItem* element = fenetre.TreeView->topLevelItem(0);
    ASSERT_NE(element, nullptr);
    EXPECT_EQ(element->text(0), "Joueur 1");
    ASSERT_EQ(element->childCount(), 1);
    EXPECT_EQ(element->child(0)->text(0), "As de Pique 57");
    EXPECT_EQ(element->child(0)->child(0)->text(0), "Roi de Coeur");

    fenetre.ExpandClick();  // nothing selected
    EXPECT_FALSE(element->isExpanded());
    fenetre.TreeView->setCurrentItem(element);
    fenetre.Expand->trigger();
    EXPECT_TRUE(element->isExpanded());
    EXPECT_TRUE(element->child(0)->isExpanded());

    analyse.videArbre();
    analyse.ajouteRacine("Joueur 1");
    laisseDessiner();
    EXPECT_EQ(fenetre.TreeView->topLevelItemCount(), 1);
    EXPECT_EQ(fenetre.TreeView->topLevelItem(0)->childCount(), 0);
}

TEST_F(TFormAnalyseJoueurTest, AddsProjectionPagesTheLastInFront) {
    analyse.montre();
    analyse.videProjections();
    laisseDessiner();
    EXPECT_EQ(fenetre.PageControl->count(), 0);

    analyse.ajouteProjection("Le Six de Coeur", 257).push_back({42.0, 3.0, ""});
    AnalyseJoueur::Serie& seconde = analyse.ajouteProjection("L\xB4" "As de Pique", 514);
    seconde.push_back({100.0, 2.0, ""});
    seconde.push_back({20.0, 5.0, ""});
    laisseDessiner();

    EXPECT_EQ(titresDesPages(*fenetre.PageControl), (QStringList{"Le Six de Coeur", "L´As de Pique"}));
    EXPECT_EQ(fenetre.PageControl->currentIndex(), 1);
    const QChart* graphique = fenetre.PageControl->currentWidget()->findChild<QChartView*>()->chart();
    const auto* axe = static_cast<const QValueAxis*>(graphique->axes(Qt::Horizontal).at(0));
    EXPECT_EQ(axe->min(), -10);
    EXPECT_EQ(axe->max(), 524);
    const auto* barres = static_cast<const QLineSeries*>(graphique->series().at(0));
    EXPECT_EQ(barres->points(), (QList<QPointF>{{20, 0}, {20, 5}, {20, 0}, {100, 0}, {100, 2}, {100, 0}}));

    analyse.videProjections();
    laisseDessiner();
    EXPECT_EQ(fenetre.PageControl->count(), 0);
}

TEST_F(TFormAnalyseJoueurTest, StacksEachSeatsShareOfTheSuitsRanks) {
    AnalyseJoueur::GraphiqueCouleur& pique = analyse.graphique(Carte::Pique);
    for (int siege = 0; siege < 4; ++siege) {
        pique.series[static_cast<unsigned>(siege)] = {{6, siege == 1 ? 1.0 : 0.0, "Six"},
                                                      {14, siege == 3 ? 0.25 : 0.0, "As"}};
    }
    pique.series[2].push_back({14, 0.75, "As"});
    analyse.distributionModifiee();
    analyse.montre();  // drawn on showing, although the change came while hidden

    EXPECT_EQ(part(Carte::Pique, 1).at(0), 1.0);
    EXPECT_EQ(part(Carte::Pique, 3).at(1), 0.25);
    EXPECT_EQ(part(Carte::Pique, 2).at(1), 0.75);
    auto* rangs = fenetre.graphique(Carte::Pique)->chart()->axes(Qt::Horizontal).at(0);
    EXPECT_EQ(static_cast<QBarCategoryAxis*>(rangs)->categories(), (QStringList{"Six", "As"}));
    EXPECT_EQ(part(Carte::Coeur, 0).count(), 0);
}

// Probabilities of three seats, each a third in single precision, add up to a hair above 1.
TEST_F(TFormAnalyseJoueurTest, SharesThatAddUpToOneWithinRoundingKeepTheAxisAtOne) {
    AnalyseJoueur::GraphiqueCouleur& coeur = analyse.graphique(Carte::Coeur);
    for (int siege = 1; siege < 4; ++siege) coeur.series[static_cast<unsigned>(siege)] = {{6, double(1.0f / 3), "Six"}};
    analyse.distributionModifiee();
    analyse.montre();
    const auto* axe =
        static_cast<const QValueAxis*>(fenetre.graphique(Carte::Coeur)->chart()->axes(Qt::Vertical).at(0));
    EXPECT_EQ(axe->max(), 1.0);
}
