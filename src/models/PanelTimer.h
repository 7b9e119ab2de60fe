#pragma once

#include <functional>
#include <memory>

#include "platform/Plateforme.h"

// Draws the user's attention to an area of a panel that waits for him: the area is highlighted
// at once and, when asked, starts blinking after a while, so that a long wait stands out more.
// The model holds only whether the area is highlighted now; the view draws it (highlighted:
// lowered inner bevel on the greyed-text colour; normal: flat on the button-face colour).
class PanelTimer {
public:
    static constexpr int DELAI_AVANT_CLIGNOTEMENT_MS = 5000;
    static constexpr int PERIODE_CLIGNOTEMENT_MS = 1000;

    // changement is called whenever the highlight changes.
    explicit PanelTimer(std::function<void()> changement = {});
    PanelTimer(const PanelTimer&) = delete;
    PanelTimer& operator=(const PanelTimer&) = delete;

    void demarre(bool clignoter);
    // Stops blinking and returns the area to normal.
    void arrete();

    bool estSurligne() const { return surligne_; }
    bool clignote() const { return clignote_; }

private:
    void tic();
    void changeSurlignage(bool surligne);

    std::function<void()> changement_;
    std::unique_ptr<Minuterie> minuterie_;
    bool clignote_ = false;
    bool surligne_ = false;
};
