#include <gtest/gtest.h>

#include "platform/Exception.h"
#include "rules/StatusAtout.h"

TEST(StatusAtout, SaveAndLoad) {
    EXPECT_EQ(StatusAtout().save(), "{0\xA6" "0\xA6" "0\xA6-1\xA6}");

    StatusAtout choisi;
    choisi.estChoisi = true;
    choisi.atout = Atout::ZigZag;
    choisi.multiplicateur = 5;
    EXPECT_EQ(choisi.save(), "{0\xA6" "1\xA6" "7\xA6" "5\xA6}");

    StatusAtout lu;
    lu.load(choisi.save());
    EXPECT_FALSE(lu.estChibre);
    EXPECT_TRUE(lu.estChoisi);
    EXPECT_EQ(lu.atout, Atout::ZigZag);
    EXPECT_EQ(lu.multiplicateur, 5);

    // Any non-zero flag reads as true.
    lu.load("{7\xA6" "0\xA6" "0\xA6" "0\xA6}");
    EXPECT_TRUE(lu.estChibre);
    EXPECT_FALSE(lu.estChoisi);
    EXPECT_EQ(lu.atout, Atout::Invalide);
    EXPECT_EQ(lu.multiplicateur, 0);
}

TEST(StatusAtout, MalformedLoadLeavesTheRecordUnchanged) {
    StatusAtout status;
    status.estChoisi = true;
    status.atout = Atout::Pique;
    status.multiplicateur = 2;
    const std::string avant = status.save();
    EXPECT_THROW(status.load("{0\xA6" "1\xA6" "8\xA6" "2\xA6}"), ErreurDeFormat);
    EXPECT_THROW(status.load("{1\xA6" "0\xA6-1\xA6" "0\xA6}"), ErreurDeFormat);
    EXPECT_THROW(status.load("{1\xA6" "0\xA6" "x\xA6" "0\xA6}"), ErreurDeConversion);
    EXPECT_THROW(status.load("{1\xA6" "0\xA6" "3\xA6}"), Exception);
    EXPECT_EQ(status.save(), avant);
}
