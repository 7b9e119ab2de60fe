#pragma once

#include <array>
#include <random>

#include "players/Joueur.h"
#include "rules/OptionsDuJoueur.h"
#include "support/PlateformeFactice.h"
#include "events/Statistiques.h"
#include "table/Table.h"

// A table of four local humans, driven by a test exactly as users drive it: hovering over the
// cards until one rises, double-clicking it, clicking trump buttons and the action button. The
// choices come from a seeded generator, so a game is reproducible. Seats may also be given to
// computer players; the driver then acts only on the users' panels.
class PartieDeQuatreHumains {
public:
    explicit PartieDeQuatreHumains(unsigned graine = 1) : aleatoire_(graine) {}

    void demarre(const OptionsDePartie& options);
    void demarre(const OptionsDePartie& options, const std::array<OptionsDuJoueur, 4>& joueurs);
    // One user action on whichever panel waits for one; false when none waits.
    bool agit();
    // Acts and lets timers run until the table reaches the state, or nothing more happens.
    void joueJusqua(int etat);
    Joueur& joueur(int siege) { return *table.getJoueur(siege); }

    PlateformeFactice plateforme;
    Statistiques statistiques;
    Table table{statistiques};
    int nbActions = 0;
    int nbChibres = 0;

private:
    bool joueUneCarte(PanelDeJoueur& panel);
    std::mt19937 aleatoire_;
};
