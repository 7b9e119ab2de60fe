#include "ai/ChoixParSimulation.h"

#include <array>
#include <memory>

#include "ai/AnalyseJoueur.h"
#include "ai/PartieSimulee.h"
#include "ai/Probabilite.h"
#include "platform/Assertion.h"
#include "platform/TableDesTextes.h"
#include "rules/Partie.h"

namespace {
constexpr const char* SOURCE = "JoueurOrdinateur";
constexpr int ID_RACINE_ARBRE = 3841;
}  // namespace

const Carte* ChoixParSimulation::choisit(const Partie& partieEnCours, CarteSet cartesEnMain, int nbSimulations,
                                         const Echantillon& echantillon, const Meilleure& meilleure) const {
    analyse_.ajouteLigne(std::string(34, '-'));
    analyse_.videArbre();
    const int racine = analyse_.ajouteRacine(formate(ID_RACINE_ARBRE, noJoueur_));
    const CarteSet cartesJouables = partieEnCours.cartesJouables(cartesEnMain);
    analyse_.videProjections();
    if (cartesJouables.empty()) return nullptr;
    if (cartesJouables.size() == 1) return &*cartesJouables.begin();

    std::array<std::unique_ptr<Probabilite>, Carte::NB_CARTES> projections;
    for (int simulation = 0; simulation < nbSimulations; ++simulation) {
        const std::optional<ResultatDEchantillon> resultat = echantillon(racine);
        // Beliefs that gave no deal give none on the next sample either.
        if (!resultat) break;
        std::unique_ptr<Probabilite>& projection = projections[resultat->carte->getTag()];
        if (!projection)
            projection = std::make_unique<Probabilite>(analyse_.ajouteProjection(
                resultat->carte->getNom(), partieEnCours.getMultiplicateur() * PartieSimulee::POINTS_DONNE_COMPLETE));
        projection->ajoute(resultat->score);
    }
    const Carte* carte = meilleure();
    if (!carte) carte = &*cartesJouables.begin();
    TW_ASSERT(CarteEstAcceptee(partieEnCours.carteEstRefusee(*carte, noJoueur_, cartesEnMain)), SOURCE);
    return carte;
}
