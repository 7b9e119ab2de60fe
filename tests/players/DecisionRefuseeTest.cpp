#include <gtest/gtest.h>

#include "support/PartieDeQuatreHumains.h"

// A decision of a player of this computer that the table no longer expects (in a network game,
// what another computer sent may move the table on while the player thinks) is dropped: nothing
// is thrown into the timer that carried it, nothing is recorded, and the table still waits for
// the seat's real card.
TEST(DecisionRefusee, ACardTheTableDoesNotExpectIsDroppedAndTheGameGoesOn) {
    PartieDeQuatreHumains partie;
    partie.demarre(OptionsDePartie());
    partie.joueJusqua(EvenementDeJeu::Tour1_AttendCarte1);
    ASSERT_EQ(partie.table.etatJeu(), EvenementDeJeu::Tour1_AttendCarte1);
    const int siege = partie.table.partie()->noDuProchainAJouer();
    const Carte& carteDUnAutre = *partie.joueur((siege + 1) % 4).getMain().begin();
    const auto enregistrement = partie.table.listeDesEvenements().enregistrement();

    EXPECT_NO_THROW(partie.joueur(siege).cartePosee(carteDUnAutre, EvenementDeJeu::Tour1_AttendCarte1));
    EXPECT_EQ(partie.table.listeDesEvenements().enregistrement(), enregistrement);
    EXPECT_EQ(partie.table.etatJeu(), EvenementDeJeu::Tour1_AttendCarte1);

    partie.joueur(siege).cartePosee(*partie.joueur(siege).getMain().begin(), EvenementDeJeu::Tour1_AttendCarte1);
    EXPECT_EQ(partie.table.etatJeu(), EvenementDeJeu::Tour1_AttendCarte2);
}
