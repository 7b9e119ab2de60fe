#include <gtest/gtest.h>

#include "net/LancementDeSession.h"

using Mode = LancementDeSession::Mode;

TEST(LancementDeSession, LaunchFilesAndLinksSayHostOrJoinWithNameAndAddress) {
    struct Cas {
        std::string texte;
        Mode mode;
        std::string nom;
        std::string hote;
        std::uint16_t port;
    };
    const Cas cas[] = {
        {"# from the lobby\nmode=join\r\nsession = Trumpwise pierre\naddress=192.168.1.20:4005\n", Mode::Rejoint,
         "Trumpwise pierre", "192.168.1.20", 4005},
        {"mode=join\nsession=s\naddress=jass.local\n", Mode::Rejoint, "s", "jass.local", 4001},
        {"mode=host\nsession=Trumpwise anna\n", Mode::Heberge, "Trumpwise anna", "", 4001},
        {"mode=host\nsession=a\naddress=:4100", Mode::Heberge, "a", "", 4100},
        {"trumpwise:join?session=Trumpwise%20pierre&address=127.0.0.1:4002", Mode::Rejoint, "Trumpwise pierre",
         "127.0.0.1", 4002},
        {"trumpwise://host?session=Jass+du+soir", Mode::Heberge, "Jass du soir", "", 4001},
    };
    for (const Cas& c : cas) {
        const auto lancement = LancementDeSession::lit(c.texte);
        ASSERT_TRUE(lancement) << c.texte;
        EXPECT_EQ(lancement->mode, c.mode) << c.texte;
        EXPECT_EQ(lancement->nomSession, c.nom) << c.texte;
        EXPECT_EQ(lancement->hote, c.hote) << c.texte;
        EXPECT_EQ(lancement->port, c.port) << c.texte;
    }
}

TEST(LancementDeSession, AnythingIncompleteOrMalformedIsRefused) {
    for (const std::string texte : {"", "mode=join\naddress=1.2.3.4\n", "mode=join\nsession=s\n",
                                    "mode=host\nsession=s\naddress=1.2.3.4\n", "mode=watch\nsession=s\n",
                                    "mode=join\nsession=s\naddress=1.2.3.4:0\n", "mode=join\nsession=s\naddress=h:99999",
                                    "mode=join\nsession=s\naddress=h:12x", "just some text",
                                    "trumpwise:join?session=a%2&address=h", "trumpwise:join?session&address=h",
                                    "trumpwise:", "\x89PNG\r\n\x1a\n\0\0"})
        EXPECT_FALSE(LancementDeSession::lit(texte)) << texte;
    EXPECT_FALSE(LancementDeSession::lit("mode=host\nsession=" + std::string(200, 's')));
    EXPECT_FALSE(LancementDeSession::lit("mode=host\nsession=s\n#" + std::string(LancementDeSession::LONGUEUR_MAXI, ' ')));
}
