#pragma once

#include "players/JoueurSansMemoire.h"

// The seat of a player at another computer. It never decides and never answers: that seat's
// events come over the network. It lets the table treat the seat like any other and lets the
// event list know which seats may send events from the network.
class JoueurResau : public JoueurSansMemoire {
public:
    using JoueurSansMemoire::JoueurSansMemoire;

    void choisitAtout(StatusAtout, CarteSet) override {}
    void annonce(CarteSet) override {}
    void choisitCarte(const Partie&, int, CarteSet) override {}
    void distribue() override {}
    void finDePartie(bool, bool) override {}
    void ramasseTas() override {}
    void confirmeAnnonces() override {}
};
