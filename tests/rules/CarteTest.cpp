#include <gtest/gtest.h>

#include "rules/Carte.h"
#include "support/AssertionsRelevees.h"

namespace {
const Carte& carte(Carte::Couleur c, Carte::Position p) { return Carte::trouve(c, p); }
}  // namespace

TEST(Carte, TagsNamesAndIdentifiers) {
    EXPECT_EQ(carte(Carte::Trefle, Carte::Six).getTag(), 0u);
    EXPECT_EQ(carte(Carte::Trefle, Carte::As).getTag(), 8u);
    EXPECT_EQ(carte(Carte::Carreau, Carte::Six).getTag(), 9u);
    EXPECT_EQ(carte(Carte::Pique, Carte::Valet).getTag(), 23u);
    EXPECT_EQ(carte(Carte::Coeur, Carte::As).getTag(), 35u);
    for (unsigned tag = 0; tag < 36; ++tag) {
        const Carte& c = Carte::parTag(tag);
        EXPECT_EQ(c.getTag(), tag);
        EXPECT_EQ(&Carte::trouve(c.getCouleur(), c.getPosition()), &c);
    }
    EXPECT_EQ(carte(Carte::Coeur, Carte::As).getIdentifiant(), "4_14");
    EXPECT_EQ(carte(Carte::Trefle, Carte::Six).getIdentifiant(), "1_6");
    EXPECT_EQ(carte(Carte::Coeur, Carte::As).getNom(), "L\xB4" "As de Coeur");
    EXPECT_EQ(carte(Carte::Coeur, Carte::Valet).getNom(), "Le Valet de Coeur");
}

TEST(Carte, PointsAndStrengthUnderTrump) {
    EXPECT_EQ(carte(Carte::Pique, Carte::Valet).getPoints(Atout::Pique), 20);
    EXPECT_EQ(carte(Carte::Pique, Carte::Valet).getForce(Atout::Pique), 9);
    EXPECT_EQ(carte(Carte::Pique, Carte::Neuf).getPoints(Atout::Pique), 14);
    EXPECT_EQ(carte(Carte::Pique, Carte::Neuf).getForce(Atout::Pique), 8);
    EXPECT_EQ(carte(Carte::Coeur, Carte::Valet).getPoints(Atout::Pique), 2);
    EXPECT_EQ(carte(Carte::Coeur, Carte::Valet).getForce(Atout::Pique), 6);
    for (int c = 1; c <= 4; ++c) EXPECT_EQ(carte(Carte::Couleur(c), Carte::Huit).getPoints(Atout::HautEnBas), 8);
    EXPECT_EQ(carte(Carte::Trefle, Carte::Huit).getPoints(Atout::Coeur), 0);
    EXPECT_EQ(carte(Carte::Coeur, Carte::Huit).getPoints(Atout::Coeur), 0);
}

TEST(Carte, EveryModeTotals152CardPoints) {
    for (int a = 1; a <= 7; ++a) {
        int total = 0;
        for (unsigned tag = 0; tag < 36; ++tag) total += Carte::parTag(tag).getPoints(Atout(a));
        EXPECT_EQ(total, 152) << "mode " << a;
    }
}

TEST(Carte, Beating) {
    const Carte& sixCarreau = carte(Carte::Carreau, Carte::Six);
    const Carte& asCarreau = carte(Carte::Carreau, Carte::As);
    EXPECT_TRUE(sixCarreau.estPlusForteQue(asCarreau, Atout::BasEnHaut));
    EXPECT_FALSE(asCarreau.estPlusForteQue(sixCarreau, Atout::BasEnHaut));
    EXPECT_TRUE(asCarreau.estPlusForteQue(sixCarreau, Atout::HautEnBas));
    const Carte& sixTrefle = carte(Carte::Trefle, Carte::Six);
    const Carte& asCoeur = carte(Carte::Coeur, Carte::As);
    EXPECT_TRUE(sixTrefle.estPlusForteQue(asCoeur, Atout::Trefle));
    EXPECT_FALSE(asCoeur.estPlusForteQue(sixTrefle, Atout::Trefle));
    for (Atout a : {Atout::HautEnBas, Atout::BasEnHaut, Atout::ZigZag}) {
        EXPECT_FALSE(asCoeur.estPlusForteQue(sixTrefle, a));
        EXPECT_FALSE(sixTrefle.estPlusForteQue(asCoeur, a));
    }
    // Trump order: Valet, Neuf, As, Roi, Dame, Dix, Huit, Sept, Six.
    const Carte::Position ordre[] = {Carte::Valet, Carte::Neuf, Carte::As, Carte::Roi, Carte::Dame,
                                     Carte::Dix, Carte::Huit, Carte::Sept, Carte::Six};
    for (int i = 0; i + 1 < 9; ++i)
        EXPECT_TRUE(carte(Carte::Pique, ordre[i]).estPlusForteQue(carte(Carte::Pique, ordre[i + 1]), Atout::Pique));
}

TEST(Carte, ComparingACardWithItselfIsAnInternalError) {
    AssertionsRelevees relevees;
    const Carte& c = carte(Carte::Pique, Carte::Roi);
    EXPECT_FALSE(c.estPlusForteQue(c, Atout::Pique));
    EXPECT_TRUE(relevees.contient("position_ != carte.position_"));
}

TEST(Carte, WeightForTrumpChoice) {
    EXPECT_EQ(carte(Carte::Coeur, Carte::Valet).valeurPourChoixAtout(Atout::Carreau), 0);
    EXPECT_EQ(carte(Carte::Carreau, Carte::Valet).valeurPourChoixAtout(Atout::Carreau), 4);
    EXPECT_EQ(carte(Carte::Carreau, Carte::Neuf).valeurPourChoixAtout(Atout::Carreau), 2);
    EXPECT_EQ(carte(Carte::Carreau, Carte::Six).valeurPourChoixAtout(Atout::Carreau), 1);
    EXPECT_EQ(carte(Carte::Trefle, Carte::As).valeurPourChoixAtout(Atout::HautEnBas), 4);
    EXPECT_EQ(carte(Carte::Trefle, Carte::Roi).valeurPourChoixAtout(Atout::HautEnBas), 2);
    EXPECT_EQ(carte(Carte::Trefle, Carte::Sept).valeurPourChoixAtout(Atout::BasEnHaut), 2);
    EXPECT_EQ(carte(Carte::Trefle, Carte::Six).valeurPourChoixAtout(Atout::ZigZag), 4);
    EXPECT_EQ(carte(Carte::Trefle, Carte::As).valeurPourChoixAtout(Atout::ZigZag), 4);
    EXPECT_EQ(carte(Carte::Trefle, Carte::Dix).valeurPourChoixAtout(Atout::ZigZag), 1);
    AssertionsRelevees relevees;
    EXPECT_EQ(carte(Carte::Trefle, Carte::Dix).valeurPourChoixAtout(Atout::Invalide), 0);
    EXPECT_TRUE(relevees.contient("atout != Atout::Invalide"));
}

TEST(Carte, ModeNamesAndInformationText) {
    EXPECT_EQ(nomAtout(0), "ERREUR: Status invalide");
    EXPECT_EQ(nomAtout(8), "ERREUR: Status invalide");
    EXPECT_EQ(nomAtout(Atout::ZigZag), "Zig-zag");
    EXPECT_EQ(nomAtout(Atout::HautEnBas), "De haut en bas");
    EXPECT_EQ(carte(Carte::Pique, Carte::Valet).texteInformation(Atout::Pique),
              "Le Valet de Pique vaut 20 points. C'est un atout.  Cette carte est de force 9 dans sa couleur "
              "actuelle (1 = min, 9 = max).");
    EXPECT_EQ(carte(Carte::Coeur, Carte::Six).texteInformation(Atout::BasEnHaut).substr(0, 55),
              "Le Six de Coeur vaut 0 points. Ce n'est pas un atout.  ");
}
