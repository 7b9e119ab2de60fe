#pragma once

#include <memory>

#include "players/FabriqueDeJoueurs.h"
#include "support/PlateformeFactice.h"
#include "events/Statistiques.h"
#include "table/Table.h"

inline OptionsDePartie optionsSuisseRomand() {
    OptionsDePartie options;
    options.setTypeChibre(0);
    options.setTypePartie(OptionsDePartie::Standard);
    return options;
}

// Four computer players of one race at a local table on the virtual clock; the registry's maker
// for that race is the given one while the table lives.
struct TableDOrdinateurs {
    const OptionsDuJoueur::Race race;
    const FabriqueJoueur fabriquePrecedente;
    PlateformeFactice plateforme;
    Statistiques statistiques;
    std::unique_ptr<Table> table = std::make_unique<Table>(statistiques);

    TableDOrdinateurs(OptionsDuJoueur::Race race, FabriqueJoueur fabrique, int niveau,
                      const OptionsDePartie& options = optionsSuisseRomand(), bool departAtoutPlusHaut = true)
        : race(race), fabriquePrecedente(fabriquePour(race)) {
        enregistreFabrique(race, fabrique);
        plateforme.reponses = {false};  // no second game
        table->setOptionsDePartie(options);
        table->commencePartie(Table::NouvellePartie, OptionsDePartie::Local, "");
        const char* noms[4] = {"Partenaire", "Alphonse", "Moi", "Gertrude"};
        for (int siege = 0; siege < 4; ++siege)
            table->inscritJoueur(OptionsDuJoueur(noms[siege], departAtoutPlusHaut, 1, false, race, niveau), 2 + siege);
    }

    ~TableDOrdinateurs() {
        table.reset();
        enregistreFabrique(race, fabriquePrecedente);
    }

    template <class J>
    J& joueur(int siege) {
        return dynamic_cast<J&>(*table->getJoueur(siege));
    }
    int etat() const { return table->etatJeu(); }

    // Lets the virtual clock run until the table reaches the state (false if it does not).
    bool avanceJusqua(int etat) {
        for (int garde = 0; garde < 1000000 && table->etatJeu() != etat; ++garde) plateforme.avance(1);
        return table->etatJeu() == etat;
    }

    // Milliseconds of virtual time until the table leaves its current state.
    int dureeDeLEtat() {
        const int depart = etat();
        const auto debut = plateforme.ecoule();
        for (int garde = 0; garde < 10000 && etat() == depart; ++garde) plateforme.avance(1);
        return static_cast<int>((plateforme.ecoule() - debut).count());
    }
};
