#include "ai/JoueurOrdinateurPlies.h"

#include "ai/ScoreDeSimulation.h"
#include "ai/SimulationPlies.h"

const Carte* JoueurOrdinateurPlies::simuleChoix(const Simulateur& simulateur, const Partie& partieEnCours,
                                                CarteSet cartesEnMain) {
    ScoreDeSimulation score;
    const auto echantillon = [&](int) -> std::optional<ResultatDEchantillon> {
        SimulationPlies simulation(simulateur.distribution, partieEnCours, cartesEnMain, simulateur.noJoueur,
                                   static_cast<std::uint8_t>(simulateur.niveau), simulateur.random, simulateur.analyse);
        if (!simulation.mainsTirees()) return std::nullopt;
        int valeur = 0;
        const Carte& carte = simulation.simule(valeur);
        score.ajoute(carte);
        return ResultatDEchantillon{&carte, valeur};
    };
    const auto meilleure = [&] { return score.cartes().empty() ? nullptr : score.carteQuiALeMeilleurScore(); };
    return ChoixParSimulation(simulateur.analyse, simulateur.noJoueur)
        .choisit(partieEnCours, cartesEnMain, NB_SIMULATIONS, echantillon, meilleure);
}

const Carte* JoueurOrdinateurPlies::choisitCarteParSimulation(const Partie& partieEnCours, CarteSet cartesEnMain) {
    return simuleChoix({distribution_, noJoueur_, options_.getNiveau(), aleatoire_, *analyse_}, partieEnCours,
                       cartesEnMain);
}

std::unique_ptr<Joueur> creeJoueurOrdinateurPlies(const ContexteJoueur& contexte) {
    return std::make_unique<JoueurOrdinateurPlies>(contexte);
}

std::unique_ptr<Joueur> creeJoueurOrdinateurParfaitPlies(const ContexteJoueur& contexte) {
    return std::make_unique<JoueurOrdinateurParfaitPlies>(contexte);
}
