#include <gtest/gtest.h>

#include "support/Separateur.h"

#include "platform/Exception.h"
#include "format/SpacesSeparatedString.h"

TEST(SpacesSeparatedString, WritesFieldsEachFollowedByTheSeparator) {
    SpacesSeparatedString imbrique;
    imbrique.addInt(3);
    SpacesSeparatedString s;
    s.addString("abc");
    s.addInt(-10);
    s.addString(imbrique.toString());
    EXPECT_EQ(s.toString(), b("{abc|-10|{3|}|}"));
    EXPECT_EQ(s.toString().size(), 15u);
    EXPECT_EQ(SpacesSeparatedString().toString(), "{}");

    SpacesSeparatedString vide;
    vide.addString("");
    vide.addInt(5);
    vide.addInt(0);
    EXPECT_EQ(vide.toString(), b("{|5|0|}"));
}

TEST(SpacesSeparatedString, ReadsPlainAndNestedFields) {
    SpacesSeparatedString s(b("{x|{a|b|}|7|}"));
    EXPECT_EQ(s.getString(), "x");
    EXPECT_EQ(s.getString(), b("{a|b|}"));
    EXPECT_EQ(s.getInt(), 7);
    EXPECT_THROW(s.getString(), ErreurHorsLimites);

    SpacesSeparatedString dernier(b("{1|{2|}}"));
    EXPECT_EQ(dernier.getInt(), 1);
    EXPECT_EQ(dernier.getString(), b("{2|}"));
    EXPECT_TRUE(dernier.reste().empty());
}

TEST(SpacesSeparatedString, ARemainderWithoutSeparatorGivesEmptyFields) {
    SpacesSeparatedString s("{abc}");
    EXPECT_EQ(s.getString(), "");
    EXPECT_EQ(s.reste(), "abc");
    EXPECT_THROW(s.getInt(), ErreurDeConversion);
    SpacesSeparatedString vide("{}");
    EXPECT_THROW(vide.getString(), ErreurHorsLimites);
}

TEST(SpacesSeparatedString, MalformedTextFromOutsideEndsInAnError) {
    EXPECT_THROW(SpacesSeparatedString(""), ErreurHorsLimites);
    EXPECT_THROW(SpacesSeparatedString("{"), ErreurDeFormat);
    EXPECT_THROW(SpacesSeparatedString("}"), ErreurDeFormat);
    EXPECT_THROW(SpacesSeparatedString(b("{1|2|")), ErreurDeFormat);
    EXPECT_THROW(SpacesSeparatedString(b("1|2|}")), ErreurDeFormat);
    SpacesSeparatedString jamaisFerme(b("{{1|{2|}"));
    EXPECT_THROW(jamaisFerme.getString(), ErreurDeFormat);
    for (const char* pasUnEntier : {"x", "", "+5", " 5", "5 ", "1e3", "99999999999", "-", "0x10"}) {
        SpacesSeparatedString s(std::string("{").append(pasUnEntier).append("\xA6}"));
        EXPECT_THROW(s.getInt(), ErreurDeConversion) << pasUnEntier;
    }
    SpacesSeparatedString limites(b("{-2147483648|2147483647|}"));
    EXPECT_EQ(limites.getInt(), INT32_MIN);
    EXPECT_EQ(limites.getInt(), INT32_MAX);
}

TEST(SpacesSeparatedString, TypedTextIsMadeSafeToTravelAsAField) {
    const std::string sur = SpacesSeparatedString::champEncodable("{a\xA6}b");
    EXPECT_EQ(sur, "(a|)b");
    SpacesSeparatedString s;
    s.addString(sur);
    s.addInt(4);
    SpacesSeparatedString lecteur(s.toString());
    EXPECT_EQ(lecteur.getString(), sur);
    EXPECT_EQ(lecteur.getInt(), 4);
}
