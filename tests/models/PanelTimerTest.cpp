#include <gtest/gtest.h>

#include <string>

#include "models/PanelTimer.h"
#include "support/PlateformeFactice.h"

namespace {

// The highlight seen every 500 ms from the start, as a string of 1 (highlighted) and 0.
std::string releve(PlateformeFactice& plateforme, const PanelTimer& timer, int dureeMs) {
    std::string vu;
    for (int t = 0; t < dureeMs; t += 500) {
        vu += timer.estSurligne() ? '1' : '0';
        plateforme.avance(500);
    }
    return vu;
}

}  // namespace

TEST(PanelTimer, WithoutBlinkingStaysHighlightedUntilStopped) {
    PlateformeFactice plateforme;
    int changements = 0;
    PanelTimer timer([&] { ++changements; });
    timer.demarre(false);
    EXPECT_EQ(releve(plateforme, timer, 20000), std::string(40, '1'));
    EXPECT_EQ(changements, 1);
    EXPECT_EQ(plateforme.minuteriesActives(), 0);
    timer.arrete();
    EXPECT_FALSE(timer.estSurligne());
    EXPECT_EQ(changements, 2);
}

// Highlighted for the five-second grace, then one toggle a second: the first at six seconds.
TEST(PanelTimer, BlinkingStartsAfterFiveSecondsAndTogglesEverySecond) {
    PlateformeFactice plateforme;
    PanelTimer timer;
    timer.demarre(true);
    EXPECT_EQ(releve(plateforme, timer, 10000), std::string(12, '1') + "00110011");
    EXPECT_TRUE(timer.clignote());
    timer.arrete();
    EXPECT_FALSE(timer.estSurligne());
    EXPECT_EQ(plateforme.minuteriesActives(), 0);
    plateforme.avance(10000);
    EXPECT_FALSE(timer.estSurligne());
}

// A second wait announced while the area is dark in its blinking must light it again and
// restart the grace delay, not switch it off.
TEST(PanelTimer, RestartWhileBlinkingHighlightsAgainWithAFreshDelay) {
    PlateformeFactice plateforme;
    PanelTimer timer;
    timer.demarre(true);
    plateforme.avance(6000);
    ASSERT_FALSE(timer.estSurligne());
    timer.demarre(true);
    EXPECT_FALSE(timer.clignote());
    EXPECT_EQ(releve(plateforme, timer, 7000), std::string(12, '1') + "00");
}
