#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "net/CompositionDesEquipes.h"
#include "platform/PlateformeVirtuelle.h"
#include "ui/ReponseModale.h"
#include "ui/TFormClient.h"
#include "ui/TFormServer.h"

namespace {

OptionsDuJoueur joueur(const char* nom, bool distant) {
    return OptionsDuJoueur(nom, true, 1, distant, OptionsDuJoueur::Humain, 2);
}

QStringList textes(const QListWidget& liste) {
    QStringList resultat;
    for (int i = 0; i < liste.count(); ++i) resultat << liste.item(i)->text();
    return resultat;
}

void choisit(QListWidget& liste, std::initializer_list<int> rangs) {
    liste.clearSelection();
    for (int rang : rangs) liste.item(rang)->setSelected(true);
}

}  // namespace

// The window draws the composition and moves players with its buttons; a client registering
// while it is open appears at once in the list and in the tree; Ok keeps the window open while
// a team is incomplete.
TEST(TFormServer, TheHostComposesTheTeamsWhileClientsJoin) {
    PlateformeVirtuelle plateforme;
    CompositionDesEquipes composition;
    composition.ajouteJoueur(joueur("Hote", false));
    composition.ajouteJoueur(joueur("Alphonse", false));
    TFormServer fenetre(composition);
    composition.inscritClient(joueur("Pierre", true));
    EXPECT_EQ(textes(*fenetre.ListBoxJoueursDisponibles),
              (QStringList{"Hote (vous)", "Alphonse (vous)", "Pierre (autre joueur)"}));
    ASSERT_EQ(fenetre.TreeViewJoueurs->topLevelItemCount(), 1);
    EXPECT_TRUE(fenetre.TreeViewJoueurs->topLevelItem(0)->child(0)->text(0).startsWith("Id      : "));

    choisit(*fenetre.ListBoxJoueursDisponibles, {0, 2});
    fenetre.ButtonAJouteEq1->click();
    EXPECT_EQ(textes(*fenetre.ListBoxEquipe1), (QStringList{"Pierre (autre joueur)", "Hote (vous)"}));
    choisit(*fenetre.ListBoxJoueursDisponibles, {0});
    fenetre.ButtonAjouteEq2->click();
    fenetre.ButtonOk->click();
    EXPECT_EQ(plateforme.boites.size(), 1u);
    EXPECT_EQ(fenetre.result(), 0);
    choisit(*fenetre.ListBoxEquipe1, {1});
    fenetre.ButtonResetEq1->click();
    EXPECT_EQ(textes(*fenetre.ListBoxJoueursDisponibles), (QStringList{"Hote (vous)"}));
}

TEST(TFormClient, EnterInTheAddressConfirms) {
    TFormClient fenetre;
    EXPECT_EQ(fenetre.EditIpNumber->text(), "0.0.0.0");
    quandModalOuvert<TFormClient>([](TFormClient& f) {
        f.EditIpNumber->setText("127.0.0.1");
        QTest::keyClick(f.EditIpNumber, Qt::Key_Return);
    });
    EXPECT_EQ(fenetre.exec(), 1);
    EXPECT_EQ(fenetre.EditIpNumber->text(), "127.0.0.1");
}

// The bar's timer runs while the window is shown; each tick moves it a step, and past the end it
// starts again.
TEST(TFormtClientDurantConnection, TheBarRunsWhileShownAndStartsAgain) {
    TFormtClientDurantConnection fenetre;
    fenetre.show();
    EXPECT_TRUE(fenetre.estEnCours());
    for (int tic = 0; tic < 10; ++tic) fenetre.avance();
    EXPECT_EQ(fenetre.progression(), 100);
    fenetre.avance();
    EXPECT_EQ(fenetre.progression(), 0);
    fenetre.hide();
    EXPECT_FALSE(fenetre.estEnCours());
}
