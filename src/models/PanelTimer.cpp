#include "models/PanelTimer.h"

#include <utility>

PanelTimer::PanelTimer(std::function<void()> changement)
    : changement_(std::move(changement)), minuterie_(Plateforme::courante().creeMinuterie([this] { tic(); })) {}

// A new wait always starts highlighted, even if a previous wait was not stopped: toggling here
// would leave an area that waits for the user looking idle until the blinking sets in.
void PanelTimer::demarre(bool clignoter) {
    minuterie_->arrete();
    clignote_ = false;
    changeSurlignage(true);
    if (clignoter) minuterie_->demarre(DELAI_AVANT_CLIGNOTEMENT_MS, false);
}

void PanelTimer::arrete() {
    minuterie_->arrete();
    clignote_ = false;
    changeSurlignage(false);
}

// The first tick only ends the grace delay; the area toggles from the next one on.
void PanelTimer::tic() {
    minuterie_->arrete();
    if (clignote_)
        changeSurlignage(!surligne_);
    else
        clignote_ = true;
    minuterie_->demarre(PERIODE_CLIGNOTEMENT_MS, false);
}

void PanelTimer::changeSurlignage(bool surligne) {
    if (surligne == surligne_) return;
    surligne_ = surligne;
    if (changement_) changement_();
}
