#pragma once

#include <memory>

#include "ai/ChoixParSimulation.h"
#include "ai/JoueurSimulateur.h"

// The computer player of race 3: it plays like race 1 but chooses a card from 5 samples, each a
// game tree grown card by card to a horizon that widens as the deal goes on, pruned after every
// card; its level plays no part in the search.
class JoueurOrdinateurPlies : public JoueurSimulateur {
public:
    static constexpr int NB_SIMULATIONS = 5;

    explicit JoueurOrdinateurPlies(const ContexteJoueur& contexte) : JoueurOrdinateurPlies(contexte, std::nullopt) {}

    // The card choice of these players, by simulation (also used without a table by the tools).
    static const Carte* simuleChoix(const Simulateur& simulateur, const Partie& partieEnCours, CarteSet cartesEnMain);

protected:
    JoueurOrdinateurPlies(const ContexteJoueur& contexte, std::optional<float> confianceDesMainsAnnoncees)
        : JoueurSimulateur(contexte, "JoueurOrdinateurPlies", confianceDesMainsAnnoncees) {}

    const Carte* choisitCarteParSimulation(const Partie& partieEnCours, CarteSet cartesEnMain) override;
};

// Race 4: told the other hands with certainty, its samples are the real deal.
class JoueurOrdinateurParfaitPlies : public JoueurOrdinateurPlies {
public:
    explicit JoueurOrdinateurParfaitPlies(const ContexteJoueur& contexte) : JoueurOrdinateurPlies(contexte, 1.0f) {}
};

std::unique_ptr<Joueur> creeJoueurOrdinateurPlies(const ContexteJoueur& contexte);
std::unique_ptr<Joueur> creeJoueurOrdinateurParfaitPlies(const ContexteJoueur& contexte);
