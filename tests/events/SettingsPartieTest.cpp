#include <gtest/gtest.h>

#include "support/Separateur.h"

#include <string>

#include "platform/Exception.h"
#include "events/SettingsPartie.h"

TEST(SettingsPartie, NineFieldsInTheirOrder) {
    SettingsPartie premiere;
    premiere.etatRandom = b("{0|99|0|}");
    premiere.statistiques = b("{0|0|0|0|}");
    EXPECT_EQ(premiere.save().substr(0, 5), b("{-10|"));

    SettingsPartie s;
    s.joueurDoitChoisirAtout = 3;
    s.etatRandom = b("{36|99|1|}");
    s.totalEq1 = 412;
    s.totalEq2 = 3;
    s.statistiques = b("{-35|1|0|-34|}");
    s.estConcours = true;
    s.compteurDonnes = 4;
    s.distributionInversee = true;
    s.etatRandomInitial = b("{0|99|0|}");
    const std::string texte = b("{3|{36|99|1|}|412|3|{-35|1|0|-34|}|1|4|1|{0|99|0|}|}");
    EXPECT_EQ(s.save(), texte);

    SettingsPartie lu;
    lu.load(texte);
    EXPECT_EQ(lu.save(), texte);
    EXPECT_TRUE(lu.estConcours);
    EXPECT_EQ(lu.totalEq2, 3);

    // A tampered statistics record travels as it is: whoever loads it resets the counts.
    lu.load(b("{0|{0|1|0|}|0|0|{1|1|1|1|}|0|0|0||}"));
    EXPECT_EQ(lu.statistiques, b("{1|1|1|1|}"));
    EXPECT_TRUE(lu.etatRandomInitial.empty());
}

TEST(SettingsPartie, RefusesMalformedSettingsAndStaysAsItWas) {
    SettingsPartie s;
    s.etatRandom = b("{0|1|0|}");
    s.statistiques = b("{0|0|0|0|}");
    const std::string avant = s.save();
    for (const char* texte : {
             "{4|{0|1|0|}|0|0|{0|0|0|0|}|0|0|0||}",
             "{-1|{0|1|0|}|0|0|{0|0|0|0|}|0|0|0||}",
             "{0||0|0|{0|0|0|0|}|0|0|0||}",
             "{0|{0|1|0|}|0|0|0|0|0|0||}",
             "{0|{0|1|0|}|0|0|{0|0|0|}|0|0|0||}",
             "{0|{0|1|0|}|0|0|{0|0|0|0|}|0|0|0|}",
             "{0|{0|1|0|}|0|0|{0|0|0|0|}|0|0|0|abc|}",
             "{0|{0|1|0|}|a|0|{0|0|0|0|}|0|0|0||}",
             // Values out of their ranges: totals, deal counts, generator records.
             "{0|{0|1|0|}|2147483647|0|{0|0|0|0|}|0|0|0||}",
             "{0|{0|1|0|}|0|-1|{0|0|0|0|}|0|0|0||}",
             "{0|{0|1|0|}|1000001|0|{0|0|0|0|}|0|0|0||}",
             "{0|{0|1|0|}|0|0|{0|0|0|0|}|0|2147483647|0||}",
             "{0|{0|1|0|}|0|0|{0|0|0|0|}|0|100001|0||}",
             "{0|{0|1|0|}|0|0|{0|0|0|0|}|0|-2|0||}",
             "{0|{-1|1|0|}|0|0|{0|0|0|0|}|0|0|0||}",
             "{0|{0|1|-1|}|0|0|{0|0|0|0|}|0|0|0||}",
             "{0|{0|1|0|}|0|0|{0|0|0|0|}|0|0|0|{0|1|}|}",
             // A competition has eight deals and always its initial generator state.
             "{0|{0|1|0|}|0|0|{0|0|0|0|}|1|8|1|{0|1|0|}|}",
             "{0|{0|1|0|}|0|0|{0|0|0|0|}|1|-1|0|{0|1|0|}|}",
             "{0|{0|1|0|}|0|0|{0|0|0|0|}|1|4|1||}",
         }) {
        SCOPED_TRACE(texte);
        EXPECT_THROW(s.load(b(texte)), Exception);
        EXPECT_EQ(s.save(), avant);
    }
}

TEST(SettingsPartie, TheLimitsOfEveryRangeAreAccepted) {
    for (const char* texte : {
             "{-10|{1048575|-2147483648|100000000|}|1000000|1000000|{0|0|0|0|}|0|100000|0||}",
             "{3|{0|2147483647|0|}|0|0|{0|0|0|0|}|0|-1|0||}",
             "{0|{0|1|0|}|0|0|{0|0|0|0|}|1|7|1|{0|1|0|}|}",
             "{0|{0|1|0|}|0|0|{0|0|0|0|}|1|0|0|{0|1|0|}|}",
         }) {
        SCOPED_TRACE(texte);
        SettingsPartie s;
        s.load(b(texte));
        EXPECT_EQ(s.save(), b(texte));
    }
}
