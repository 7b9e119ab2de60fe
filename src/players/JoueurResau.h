#pragma once

#include "players/Joueur.h"

// The seat of a player at another computer. It never decides and never answers: that seat's
// events come over the network. It lets the table treat the seat like any other and lets the
// event list know which seats may send events from the network.
class JoueurResau : public Joueur {
public:
    using Joueur::Joueur;

    void choisitAtout(StatusAtout, CarteSet) override {}
    void annonce(CarteSet) override {}
    void choisitCarte(const Partie&, int, CarteSet) override {}
    void distribue() override {}
    void finDePartie(bool, bool) override {}
    void ramasseTas() override {}
    void confirmeAnnonces() override {}
    void montreCartes() override {}
    void cacheCartes() override {}
    void carteJouee(const Carte&, const Partie&) override {}
    void annonceFaite(int, const Annonces&) override {}
    void mainDeJoueur(CarteSet, int) override {}
    void recoitCartes(CarteSet) override {}
};
