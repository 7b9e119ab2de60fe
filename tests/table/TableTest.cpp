#include <gtest/gtest.h>

#include "players/JoueurHumain.h"
#include "players/JoueurResau.h"
#include "support/PartieDeQuatreHumains.h"

TEST(Table, AFreshTableWaitsForAGame) {
    PlateformeFactice plateforme;
    Statistiques statistiques;
    Table table(statistiques);
    EXPECT_EQ(table.etatJeu(), EvenementDeJeu::Depart);
    EXPECT_EQ(table.totalEquipe(0) + table.totalEquipe(1), 0);
    EXPECT_EQ(table.joueurDoitChoisirAtout(), -10);
    EXPECT_EQ(table.compteurDonnes(), -1);
}

TEST(Table, FourRegistrationsLeadToTheDealRequests) {
    PartieDeQuatreHumains partie;
    partie.demarre(OptionsDePartie());
    EXPECT_EQ(partie.table.etatJeu(), EvenementDeJeu::AttendDistribue1);
    for (int siege = 0; siege < 4; ++siege) {
        EXPECT_EQ(partie.joueur(siege).noDemande(), EvenementDeJeu::AttendDistribue1 + siege);
        EXPECT_TRUE(partie.joueur(siege).panel().boutonActionActif());
        EXPECT_TRUE(dynamic_cast<JoueurHumain*>(&partie.joueur(siege)));
    }
    // Later confirmations wait until seat 0 confirms.
    partie.joueur(2).panel().cliqueAction();
    EXPECT_EQ(partie.table.etatJeu(), EvenementDeJeu::AttendDistribue1);
    EXPECT_EQ(partie.table.listeDesEvenements().enQueue().size(), 1u);
    partie.joueur(1).panel().cliqueAction();
    partie.joueur(3).panel().cliqueAction();
    partie.joueur(0).panel().cliqueAction();
    EXPECT_EQ(partie.table.etatJeu(), EvenementDeJeu::AttendAtout);
    // Whoever holds the Sept of Carreau chooses trump first.
    const int choisit = partie.table.joueurDoitChoisirAtout();
    EXPECT_TRUE(partie.joueur(choisit).getMain().contient(Carte::trouve(Carte::Carreau, Carte::Sept)));
    EXPECT_EQ(partie.table.labelsHistorique()[0], std::string(partie.joueur(choisit).nom()) + " doit choisir atout.");
}

TEST(Table, ChibrePassesTheChoiceToThePartnerWhoCannotPassBack) {
    PartieDeQuatreHumains partie;
    partie.demarre(OptionsDePartie());
    partie.joueJusqua(EvenementDeJeu::AttendAtout);
    const int choisit = partie.table.joueurDoitChoisirAtout();
    partie.joueur(choisit).panel().cliqueChibre();
    EXPECT_EQ(partie.table.etatJeu(), EvenementDeJeu::AttendAtoutChibre);
    PanelDeJoueur& partenaire = partie.joueur((choisit + 2) % 4).panel();
    EXPECT_TRUE(partenaire.zoneAtoutVisible());
    EXPECT_FALSE(partenaire.boutonChibre().actif);
    partenaire.cliqueAtout(Atout::Pique);
    // Melds of four humans are announced without a click: the table waits for their acknowledgements.
    EXPECT_EQ(partie.table.etatJeu(), EvenementDeJeu::AttendConfirmationAnnonces1);
    ASSERT_TRUE(partie.table.partie());
    EXPECT_EQ(partie.table.partie()->atout(), Atout::Pique);
    EXPECT_EQ(partie.table.partie()->getJoueurQuiAFaitAtout(), (choisit + 2) % 4);
}

TEST(Table, RemoteRecordsMakeRemoteSeatsAndUnknownRacesAreRefusedClearly) {
    PlateformeFactice plateforme;
    Statistiques statistiques;
    Table table(statistiques);
    table.commencePartie(Table::NouvellePartie, OptionsDePartie::Local, "");
    table.inscritJoueur(OptionsDuJoueur("Moi", true, 1, false, OptionsDuJoueur::Humain, 2), 2);
    table.inscritJoueur(OptionsDuJoueur("Pierre", true, 1, true, OptionsDuJoueur::Ordinateur, 2), 3);
    EXPECT_TRUE(dynamic_cast<JoueurResau*>(table.getJoueur(1)));
    EXPECT_EQ(table.nomDuJoueur(1), "Pierre (ordinateur)");
    EXPECT_TRUE(table.estSiegeDistant(1));
    EXPECT_FALSE(table.estSiegeDistant(0));
    EXPECT_THROW(table.inscritJoueur(OptionsDuJoueur("Robot", true, 1, false, OptionsDuJoueur::OrdinateurPlies, 2), 4),
                 Exception);
    EXPECT_EQ(table.getJoueur(2), nullptr);
}

TEST(Table, ChatGoesToTheHumansPanelsAndNeverChangesTheState) {
    PartieDeQuatreHumains partie;
    partie.demarre(OptionsDePartie());
    partie.table.listeDesEvenements().ajoute(EvenementDeJeu(TypeEvenement::Message, "salut", EvenementDeJeu::Joueur1,
                                                            EvenementDeJeu::NumeroMessageJoueur));
    EXPECT_EQ(partie.table.etatJeu(), EvenementDeJeu::AttendDistribue1);
    for (int siege = 0; siege < 4; ++siege)
        EXPECT_EQ(partie.joueur(siege).panel().lignesChat(), (std::vector<std::string>{"Bernard (vous)->salut"}));
}

TEST(Table, AnEventOfTheWrongKindIsRefusedWithoutInternalError) {
    PartieDeQuatreHumains partie;
    partie.demarre(OptionsDePartie());
    partie.joueJusqua(EvenementDeJeu::AttendAtout);
    OptionsDuJoueur intrus("Intrus", true, 1, false, OptionsDuJoueur::Humain, 2);
    EXPECT_THROW(partie.table.listeDesEvenements().ajoute(EvenementDeJeu(
                     TypeEvenement::InscriptionJoueur, intrus.save(), EvenementDeJeu::Table, EvenementDeJeu::AttendAtout)),
                 Exception);
    EXPECT_EQ(partie.table.etatJeu(), EvenementDeJeu::AttendAtout);
}

TEST(Table, TheHistoryKeepsTheTenNewestTexts) {
    PlateformeFactice plateforme;
    Statistiques statistiques;
    Table table(statistiques);
    for (int i = 1; i <= 12; ++i) table.afficheMessage("texte " + std::to_string(i), ModeRejeu::Normal);
    EXPECT_EQ(table.labelsHistorique()[0], "texte 12");
    EXPECT_EQ(table.labelsHistorique()[9], "texte 3");
    table.afficheMessage("", ModeRejeu::Normal);
    EXPECT_EQ(table.labelsHistorique()[0], "texte 12");
}
