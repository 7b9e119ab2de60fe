#include <gtest/gtest.h>

#include "support/Separateur.h"

#include <string>
#include <vector>

#include "platform/Exception.h"
#include "rules/OptionsDuJoueur.h"
#include "support/PlateformeFactice.h"

namespace {

using O = OptionsDuJoueur;


O record(const std::string& nom, O::Race race, bool distant, int identifiant = 0) {
    O options;
    options.load(b("{1|1|" + nom + "|1|" + (distant ? "1" : "0") + "|" + std::to_string(race) + "|2|" +
                   std::to_string(identifiant) + "|}"));
    return options;
}

}  // namespace

TEST(OptionsDuJoueur, TheDefaultRecordIsTheUserHimself) {
    PlateformeFactice plateforme;
    plateforme.nomDUtilisateur_ = "pierre";
    const O options;
    EXPECT_EQ(options.save(), b("{1|1|pierre|1|0|0|2|0|}"));
    EXPECT_TRUE(options.estHumainLocal());
    EXPECT_EQ(options.nom(), "pierre (vous)");
}

TEST(OptionsDuJoueur, SavesAndLoadsItsEightFields) {
    const O options("Gertrude", false, 2, true, O::OrdinateurParfaitPlies, 1);
    EXPECT_GE(options.getIdentifiant(), 0);
    EXPECT_LE(options.getIdentifiant(), 32767);
    EXPECT_EQ(options.save(), b("{0|2|Gertrude|1|1|4|1|" + std::to_string(options.getIdentifiant()) + "|}"));

    O lu;
    lu.load(options.save());
    EXPECT_EQ(lu.save(), options.save());
    EXPECT_FALSE(lu.getDepartAtoutPlusHaut());
    EXPECT_EQ(lu.getAppels(), 2);
    EXPECT_TRUE(lu.estDistant());
    EXPECT_EQ(lu.getRace(), O::OrdinateurParfaitPlies);
    EXPECT_EQ(lu.getNiveau(), 1);
    EXPECT_FALSE(lu.estHumainLocal());

    // Booleans are true when non-zero.
    lu.load(b("{7|0|x|3|0|1|0|-5|}"));
    EXPECT_TRUE(lu.getDepartAtoutPlusHaut());
    EXPECT_EQ(lu.getIdentifiant(), -5);
}

TEST(OptionsDuJoueur, DisplayNames) {
    EXPECT_EQ(record("Pierre", O::Humain, true).nom(), "Pierre (autre joueur)");
    EXPECT_EQ(record("Alphonse", O::Ordinateur, false).nom(), "Alphonse");
    EXPECT_EQ(record("Alphonse", O::AI, true).nom(), "Alphonse (ordinateur)");
    EXPECT_EQ(record("", O::Humain, false).nom(), "Vous");
    EXPECT_EQ(record("Pierre", O::Humain, false).nom(), "Pierre (vous)");
}

TEST(OptionsDuJoueur, BasculeDistant) {
    O options = record("P", O::Humain, false, 7);
    options.basculeDistant(7);
    EXPECT_TRUE(options.estDistant());
    options.basculeDistant(8);
    EXPECT_TRUE(options.estDistant());
    options.basculeDistant(7);
    EXPECT_FALSE(options.estDistant());
}

TEST(OptionsDuJoueur, ANameCannotBreakTheRecordThatCarriesIt) {
    const O options("{Pi\xA6}erre", true, 1, false, O::Humain, 2);
    O lu;
    lu.load(options.save());
    EXPECT_EQ(lu.nom(), "(Pi|)erre (vous)");
}

// Typed, pasted, loaded or received: a name never holds a line end or a control byte, and never
// runs past the panels.
TEST(OptionsDuJoueur, NamesAreCleanedWhereverTheyComeFrom) {
    const struct {
        std::string nom;
        std::string propre;
    } cas[] = {
        {"Anne\r\nMarie", "Anne Marie"},
        {"\tAnne\x01\x7F", "Anne"},
        {"Pierre\n", "Pierre"},
        {std::string(10000000, 'x'), std::string(O::NOM_LONGUEUR_MAX, 'x')},
        // Cut where a space (or a control byte made one) stands: the name keeps no trailing space.
        {std::string(O::NOM_LONGUEUR_MAX - 1, 'x') + " yz", std::string(O::NOM_LONGUEUR_MAX - 1, 'x')},
        {std::string(O::NOM_LONGUEUR_MAX - 1, 'x') + "\x01yz", std::string(O::NOM_LONGUEUR_MAX - 1, 'x')},
        {"Fran\xE7ois", "Fran\xE7ois"},
    };
    for (const auto& k : cas) {
        EXPECT_EQ(O::nomPropre(k.nom), k.propre);
        // What was kept reads back the same: a saved record does not change when read again.
        EXPECT_EQ(O::nomPropre(k.propre), k.propre);
        const O tape(k.nom, true, 1, false, O::AI, 2);
        EXPECT_EQ(tape.nom(), k.propre);
        O lu;
        lu.load(b("{1|1|") + k.nom + b("|1|0|5|2|0|}"));
        EXPECT_EQ(lu.nom(), k.propre);
    }
}

TEST(OptionsDuJoueur, ASeatOfAnotherComputerBecomesAComputerPlayerOfThisOne) {
    O humain = record("Pierre", O::Humain, true, 3);
    humain.rendLocal();
    EXPECT_EQ(humain.save(), b("{1|1|Pierre|1|0|5|2|3|}"));
    O ordinateur = record("Alphonse", O::OrdinateurPlies, true, 3);
    ordinateur.rendLocal();
    EXPECT_EQ(ordinateur.save(), b("{1|1|Alphonse|1|0|3|2|3|}"));
    O local = record("Anne", O::Humain, false, 3);
    local.rendLocal();
    EXPECT_EQ(local.save(), b("{1|1|Anne|1|0|0|2|3|}"));
}

TEST(OptionsDuJoueur, TheMasterIsLevel3OfRace5) {
    O options;
    options.load(b("{1|1|Maitre|1|0|5|3|7|}"));
    EXPECT_EQ(options.getNiveau(), O::NIVEAU_MAITRE);
    EXPECT_EQ(options.save(), b("{1|1|Maitre|1|0|5|3|7|}"));
}

TEST(OptionsDuJoueur, RefusesRecordsItCannotHoldAndStaysAsItWas) {
    const std::vector<std::string> malformes = {
        "",         "{}",       "{1|1|P|1|0|0|2|}",  "{1|3|P|1|0|0|2|0|}", "{1|-1|P|1|0|0|2|0|}",
        "{1|1|P|0|0|0|2|0|}",  "{1|1|P|1|2|0|2|0|}", "{1|1|P|1|0|6|2|0|}", "{1|1|P|1|0|0|3|0|}",
        // The master level belongs to race 5 alone, and no level lies above it.
        "{1|1|P|1|0|1|3|0|}", "{1|1|P|1|0|5|4|0|}",
        "{1|1|P|1|0|0|2|x|}",  "{x|1|P|1|0|0|2|0|}", "{1|1|{P|1|0|0|2|0|}",
    };
    O options = record("Pierre", O::Humain, true, 3);
    for (const std::string& texte : malformes) {
        SCOPED_TRACE(texte);
        EXPECT_THROW(options.load(b(texte)), Exception);
        EXPECT_EQ(options.save(), b("{1|1|Pierre|1|1|0|2|3|}"));
    }
}
