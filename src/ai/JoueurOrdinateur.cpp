#include "ai/JoueurOrdinateur.h"

#include "ai/ScoreDeSimulation.h"
#include "ai/Simulation.h"

const Carte* JoueurOrdinateur::simuleChoix(const Simulateur& simulateur, const Partie& partieEnCours,
                                           CarteSet cartesEnMain) {
    ScoreDeSimulation score;
    const auto echantillon = [&](int racine) -> std::optional<ResultatDEchantillon> {
        Simulation simulation(simulateur.distribution, partieEnCours, cartesEnMain, simulateur.noJoueur,
                              static_cast<std::uint8_t>(simulateur.niveau), simulateur.random, simulateur.analyse);
        if (!simulation.mainsTirees()) return std::nullopt;
        int valeur = 0;
        const Carte& carte = simulation.simule(racine, valeur);
        score.ajoute(carte);
        return ResultatDEchantillon{&carte, valeur};
    };
    const auto meilleure = [&] { return score.cartes().empty() ? nullptr : score.carteQuiALeMeilleurScore(); };
    return ChoixParSimulation(simulateur.analyse, simulateur.noJoueur)
        .choisit(partieEnCours, cartesEnMain, ChoixParSimulation::nbSimulations(partieEnCours.nbCartesJouees()),
                 echantillon, meilleure);
}

const Carte* JoueurOrdinateur::choisitCarteParSimulation(const Partie& partieEnCours, CarteSet cartesEnMain) {
    return simuleChoix({distribution_, noJoueur_, options_.getNiveau(), aleatoire_, *analyse_}, partieEnCours,
                       cartesEnMain);
}

std::unique_ptr<Joueur> creeJoueurOrdinateur(const ContexteJoueur& contexte) {
    return std::make_unique<JoueurOrdinateur>(contexte);
}

std::unique_ptr<Joueur> creeJoueurOrdinateurParfait(const ContexteJoueur& contexte) {
    return std::make_unique<JoueurOrdinateurParfait>(contexte);
}
