#include <gtest/gtest.h>

#include "ai/AI_Joueur.h"
#include "players/FabriqueDeJoueurs.h"
#include "support/PartieDeQuatreHumains.h"

// The game of every new start: the user at seat 0, driven through the panel, against two computer
// players with a computer partner, at each level, to the end of the game.
class PartieContreLOrdinateur : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override { enregistreFabrique(OptionsDuJoueur::AI, creeAIJoueur); }
    void TearDown() override { enregistreFabrique(OptionsDuJoueur::AI, precedente_); }

private:
    const FabriqueJoueur precedente_ = fabriquePour(OptionsDuJoueur::AI);
};

TEST_P(PartieContreLOrdinateur, TheUserPlaysAWholeGameAgainstTheComputer) {
    const auto niveau = static_cast<std::uint8_t>(GetParam());
    const auto ordinateur = [niveau](const char* nom) {
        return OptionsDuJoueur(nom, true, 1, false, OptionsDuJoueur::AI, niveau);
    };
    PartieDeQuatreHumains partie(30 + niveau);
    partie.plateforme.reponses = {false};
    partie.demarre(OptionsDePartie(),
                   {OptionsDuJoueur("Moi", true, 1, false, OptionsDuJoueur::Humain, 2), ordinateur("Alphonse"),
                    ordinateur("Partenaire"), ordinateur("Gertrude")});
    for (int garde = 0; garde < 2000000 && partie.table.etatJeu() != EvenementDeJeu::Vide_Avant_NouvellePartie;
         ++garde)
        if (!partie.agit()) partie.plateforme.avance(1);

    ASSERT_EQ(partie.table.etatJeu(), EvenementDeJeu::Vide_Avant_NouvellePartie);
    EXPECT_GE(partie.table.compteurDonnes(), 3);
    EXPECT_GT(partie.nbActions, 30);  // the user dealt, confirmed, collected and played his cards
    int resultats = 0;
    for (const auto& boite : partie.plateforme.boites) resultats += boite.titre == "Fin de partie.";
    EXPECT_EQ(resultats, 1);  // the user's result box; the computer players show none
}

INSTANTIATE_TEST_SUITE_P(Niveaux, PartieContreLOrdinateur, ::testing::Values(0, 1, 2));
