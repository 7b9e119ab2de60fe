#pragma once

#include <memory>

#include "ai/ChoixParSimulation.h"
#include "ai/JoueurSimulateur.h"

// The computer player of race 1: each sample of a card choice searches the drawn deal to its
// end, with alternatives thinned by the player's level; more samples as the deal goes on.
class JoueurOrdinateur : public JoueurSimulateur {
public:
    explicit JoueurOrdinateur(const ContexteJoueur& contexte) : JoueurOrdinateur(contexte, std::nullopt) {}

    // The card choice of these players, by simulation (also used without a table by the tools).
    static const Carte* simuleChoix(const Simulateur& simulateur, const Partie& partieEnCours, CarteSet cartesEnMain);

protected:
    JoueurOrdinateur(const ContexteJoueur& contexte, std::optional<float> confianceDesMainsAnnoncees)
        : JoueurSimulateur(contexte, "JoueurOrdinateur", confianceDesMainsAnnoncees) {}

    const Carte* choisitCarteParSimulation(const Partie& partieEnCours, CarteSet cartesEnMain) override;
};

// Race 2: told the other hands of each deal, it believes each of them with confidence 0.7, so its
// samples stay close to the real deal.
class JoueurOrdinateurParfait : public JoueurOrdinateur {
public:
    static constexpr float CONFIANCE = 0.7f;
    explicit JoueurOrdinateurParfait(const ContexteJoueur& contexte) : JoueurOrdinateur(contexte, CONFIANCE) {}
};

std::unique_ptr<Joueur> creeJoueurOrdinateur(const ContexteJoueur& contexte);
std::unique_ptr<Joueur> creeJoueurOrdinateurParfait(const ContexteJoueur& contexte);
