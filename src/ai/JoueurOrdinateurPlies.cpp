#include "ai/JoueurOrdinateurPlies.h"

#include "ai/ChoixParSimulation.h"
#include "ai/ScoreDeSimulationPlies.h"
#include "ai/SimulationPlies.h"

const Carte* JoueurOrdinateurPlies::choisitCarteParSimulation(const Partie& partieEnCours, CarteSet cartesEnMain) {
    ScoreDeSimulationPlies score;
    const auto echantillon = [&](int) -> std::optional<ResultatDEchantillon> {
        SimulationPlies simulation(distribution_, partieEnCours, cartesEnMain, noJoueur_, options_.getNiveau(),
                                   aleatoire_, *analyse_);
        if (!simulation.mainsTirees()) return std::nullopt;
        int valeur = 0;
        int plis = 0;
        const Carte& carte = simulation.simule(valeur, plis);
        score.ajoute(carte, valeur, plis);
        return ResultatDEchantillon{&carte, valeur};
    };
    const auto meilleure = [&] { return score.cartes().empty() ? nullptr : score.carteQuiALeMeilleurNbDeFois(); };
    return ChoixParSimulation(*analyse_, noJoueur_).choisit(partieEnCours, cartesEnMain, NB_SIMULATIONS, echantillon, meilleure);
}

std::unique_ptr<Joueur> creeJoueurOrdinateurPlies(const ContexteJoueur& contexte) {
    return std::make_unique<JoueurOrdinateurPlies>(contexte);
}

std::unique_ptr<Joueur> creeJoueurOrdinateurParfaitPlies(const ContexteJoueur& contexte) {
    return std::make_unique<JoueurOrdinateurParfaitPlies>(contexte);
}
