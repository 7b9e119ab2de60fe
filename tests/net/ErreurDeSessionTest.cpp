#include <gtest/gtest.h>

#include "net/ErreurDeSession.h"

TEST(ErreurDeSession, TheCodeFollowsInHexadecimalOnlyWhenThereIsOne) {
    EXPECT_EQ(erreurDeSession::texte(erreurDeSession::CONNEXION, 0), "Failed Connecting to Host");
    EXPECT_EQ(erreurDeSession::texte(erreurDeSession::HEBERGEMENT, 0x62), "Failed to host a new session:  0x62");
}
