#include <gtest/gtest.h>

#include "platform/Exception.h"
#include "platform/TableDesTextes.h"
#include "platform/Windows1252.h"

TEST(TableDesTextes, LoadsEscapesAndConvertsToWindows1252) {
    TableDesTextes table;
    table.chargeTexte("# comment\n\n10\tDébutant\n11\tUn\\rDeux\\\\\r\n12\t\xE2\x82\xAC\n");
    EXPECT_EQ(table.texte(10), "D\xE9" "butant");
    EXPECT_EQ(table.texte(11), "Un\rDeux\\");
    EXPECT_EQ(table.texte(12), "\x80");
    EXPECT_EQ(table.texte(13), "?13");
    EXPECT_THROW(table.chargeTexte("abc\tdef\n"), ErreurDeFormat);
    EXPECT_THROW(table.chargeTexte("12 no tab\n"), ErreurDeFormat);
    EXPECT_THROW(table.charge("/nonexistent/lang.txt"), ErreurDeFormat);
}

TEST(TableDesTextes, FormatsPlaceholdersInOrder) {
    EXPECT_EQ(formateModele("%s de %s", {"Le Six", "Coeur"}), "Le Six de Coeur");
    EXPECT_EQ(formateModele("%u%% %d", {"5", "6"}), "5% 6");
    EXPECT_EQ(formateModele("%s et %s", {"un"}), "un et ");
    EXPECT_EQ(formate(532, "Le Roi", "Pique"), "Le Roi de Pique");
    EXPECT_EQ(formate(1283, "X", 14), "X vaut 14 points. ");
}

TEST(Windows1252, RoundTripsEveryDefinedByte) {
    for (int octet = 1; octet < 256; ++octet) {
        const std::string un(1, char(octet));
        const bool indefini = octet == 0x81 || octet == 0x8D || octet == 0x8F || octet == 0x90 || octet == 0x9D;
        if (indefini) continue;
        EXPECT_EQ(depuisUtf8(versUtf8(un)), un) << octet;
    }
    EXPECT_EQ(versUtf8("\xA6"), "\xC2\xA6");
    EXPECT_EQ(depuisUtf8("\xE4\xB8\xAD"), "?");
    EXPECT_EQ(depuisUtf8("\xC3"), "?");
    EXPECT_EQ(depuisUtf8("a\xFF" "b"), "a?b");
}
