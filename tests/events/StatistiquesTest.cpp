#include <gtest/gtest.h>

#include "support/Separateur.h"

#include <limits>
#include <string>

#include "platform/Exception.h"
#include "events/Statistiques.h"

namespace {


void attendValeurs(const Statistiques& s, int total, int jouees, int gagnees) {
    EXPECT_EQ(s.getTotalPoints(), total);
    EXPECT_EQ(s.getPartiesJouees(), jouees);
    EXPECT_EQ(s.getPartiesGagnees(), gagnees);
}

}  // namespace

TEST(Statistiques, CountsGamesAndCarriesACheckValue) {
    Statistiques s;
    s.ajouteResultat(-35, false);
    attendValeurs(s, -35, 1, 0);
    EXPECT_EQ(s.texte(), b("{-35|1|0|-34|}"));

    s.ajouteResultat(0, true);  // a drawn game
    attendValeurs(s, -35, 2, 1);
    s.ajouteResultat(157, true);
    EXPECT_EQ(s.texte(), b("{122|3|2|10|}"));  // 127 % 39

    Statistiques lu;
    EXPECT_TRUE(lu.charge(s.texte()));
    attendValeurs(lu, 122, 3, 2);
    EXPECT_EQ(Statistiques::valeurDeControle(-100, 1, 0), -21);
}

TEST(Statistiques, ATamperedRecordResetsTheCounts) {
    for (const char* texte : {"{122|3|2|11|}", "{5|-1|0|4|}", "{0|1|2|3|}"}) {
        SCOPED_TRACE(texte);
        Statistiques s;
        s.ajouteResultat(40, true);
        EXPECT_FALSE(s.charge(b(texte)));
        attendValeurs(s, 0, 0, 0);
    }
}

TEST(Statistiques, AMalformedRecordIsAnErrorAndChangesNothing) {
    for (const char* texte : {"", "{}", "{1|2|3|}", "{1|2|x|6|}", "1|2|3|6|"}) {
        SCOPED_TRACE(texte);
        Statistiques s;
        s.ajouteResultat(40, true);
        EXPECT_THROW(static_cast<void>(s.charge(b(texte))), Exception);
        attendValeurs(s, 40, 1, 1);
    }
}

TEST(Statistiques, CountingNeverOverflows) {
    const std::int32_t max = std::numeric_limits<std::int32_t>::max();
    Statistiques s;
    std::string texte = "{";
    texte += std::to_string(max) + "|" + std::to_string(max) + "|0|" +
             std::to_string(Statistiques::valeurDeControle(max, max, 0)) + "|}";
    ASSERT_TRUE(s.charge(b(texte)));
    s.ajouteResultat(10, true);
    attendValeurs(s, max, max, 1);
}
