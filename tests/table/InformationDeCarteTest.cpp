#include <gtest/gtest.h>

#include "platform/TableDesTextes.h"
#include "support/PartieDeQuatreHumains.h"

// In a zig-zag deal the tricks alternate "de bas en haut" and "de haut en bas": the card under
// the pointer is explained with its strength in the trick being played, not in a fixed order.
TEST(InformationDeCarte, SuitLeModeDuPliEnZigZag) {
    PartieDeQuatreHumains partie(5);
    OptionsDePartie options;
    options.setTypeChibre(3);
    partie.demarre(options);
    partie.joueJusqua(EvenementDeJeu::AttendAtout);
    partie.joueur(partie.table.joueurDoitChoisirAtout()).panel().cliqueAtout(Atout::ZigZag);

    const int unPli = EvenementDeJeu::Tour2_AttendCarte1 - EvenementDeJeu::Tour1_AttendCarte1;
    for (int pli = 0; pli < 3; ++pli) {
        SCOPED_TRACE(pli);
        partie.joueJusqua(EvenementDeJeu::Tour1_AttendCarte1 + pli * unPli);
        ASSERT_TRUE(partie.table.partie().has_value());
        const Atout mode = partie.table.partie()->atout();
        EXPECT_EQ(mode, pli % 2 == 0 ? Atout::BasEnHaut : Atout::HautEnBas);
        PanelDeJoueur& panel = partie.joueur(partie.table.prochainJoueur()).panel();
        EXPECT_EQ(panel.atoutAffiche(), mode);
        const auto& placee = panel.cartesPlacees().front();
        panel.survole(placee.left + 2, PanelDeJoueur::TOP_CARTE + 10);
        ASSERT_FALSE(panel.lignesInformation().empty());
        EXPECT_NE(panel.lignesInformation().front().find(formate(1286, placee.carte->getForce(mode))), std::string::npos)
            << panel.lignesInformation().front();
    }
}
