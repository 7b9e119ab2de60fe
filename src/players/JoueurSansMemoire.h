#pragma once

#include "players/Joueur.h"

// A player that keeps nothing of what the table tells it about the deal: the user (who sees it
// on the screen), a remote seat (whose own computer keeps it) and simple measuring players.
class JoueurSansMemoire : public Joueur {
public:
    using Joueur::Joueur;

    void montreCartes() override {}
    void cacheCartes() override {}
    void carteJouee(const Carte&, const Partie&) override {}
    void annonceFaite(int, const Annonces&) override {}
    void mainDeJoueur(CarteSet, int) override {}
    void recoitCartes(CarteSet) override {}
};
