#include "ai/JoueurOrdinateur.h"

#include "ai/ChoixParSimulation.h"
#include "ai/ScoreDeSimulation.h"
#include "ai/Simulation.h"

const Carte* JoueurOrdinateur::choisitCarteParSimulation(const Partie& partieEnCours, CarteSet cartesEnMain) {
    ScoreDeSimulation score;
    const auto echantillon = [&](int racine) -> std::optional<ResultatDEchantillon> {
        Simulation simulation(distribution_, partieEnCours, cartesEnMain, noJoueur_, options_.getNiveau(), aleatoire_,
                              *analyse_);
        if (!simulation.mainsTirees()) return std::nullopt;
        int valeur = 0;
        const Carte& carte = simulation.simule(racine, valeur);
        score.ajoute(carte, valeur);
        return ResultatDEchantillon{&carte, valeur};
    };
    const auto meilleure = [&] { return score.cartes().empty() ? nullptr : score.carteQuiALeMeilleurScore(); };
    return ChoixParSimulation(*analyse_, noJoueur_)
        .choisit(partieEnCours, cartesEnMain, ChoixParSimulation::nbSimulations(partieEnCours.nbCartesJouees()),
                 echantillon, meilleure);
}

std::unique_ptr<Joueur> creeJoueurOrdinateur(const ContexteJoueur& contexte) {
    return std::make_unique<JoueurOrdinateur>(contexte);
}

std::unique_ptr<Joueur> creeJoueurOrdinateurParfait(const ContexteJoueur& contexte) {
    return std::make_unique<JoueurOrdinateurParfait>(contexte);
}
