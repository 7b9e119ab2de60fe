#include "rules/Siege.h"
#include "ai/Simulation.h"

#include <optional>
#include <string>

#include "ai/AnalyseJoueur.h"
#include "ai/DistributionProbableDesCartes.h"
#include "platform/Assertion.h"
#include "rules/KnuthRandom.h"

namespace {
constexpr const char* SOURCE = "Simulation";
}

Simulation::Simulation(const DistributionProbableDesCartes& distribution, const Partie& partieEnCours,
                       CarteSet cartesEnMain, int joueurNo, std::uint8_t niveau, KnuthRandom& random,
                       AnalyseJoueur& formAnalyse)
    : formAnalyse_(formAnalyse),
      partieEnCours_(partieEnCours),
      cartesEnMainJoueurActuelOriginial_(cartesEnMain),
      identification_(joueurNo),
      niveau_(niveau),
      random_(random),
      mainsTirees_(prepareLesMains(distribution)) {}

bool Simulation::prepareLesMains(const DistributionProbableDesCartes& distribution) {
    const CarteSet cartesEnJeu = partieEnCours_.getCartesEnJeu();
    const int total = static_cast<int>(cartesEnJeu.size());
    int nbCartes[4];
    for (int joueurNo = 0; joueurNo < 4; ++joueurNo) {
        TW_ASSERT(cartesJoueurNoAvantSimulation_[joueurNo].size() == 0, SOURCE);
        // Inside a trick, the seats still to play it hold one card more.
        const bool doitEncoreJouer = partieEnCours_.getCarteJoueePar(joueurNo) == nullptr;
        nbCartes[joueurNo] = total / 4 + (total % 4 != 0 && doitEncoreJouer ? 1 : 0);
    }
    if (!distribution.tireLesMains(cartesJoueurNoAvantSimulation_, nbCartes, cartesEnJeu, random_)) return false;
    TW_ASSERT(cartesEnMainJoueurActuelOriginial_ == cartesJoueurNoAvantSimulation_[identification_], SOURCE);
    return cartesEnMainJoueurActuelOriginial_ == cartesJoueurNoAvantSimulation_[identification_];
}

PartieSimulee Simulation::depart() const {
    const CarteSet(&m)[4] = cartesJoueurNoAvantSimulation_;
    return PartieSimulee{{m[0], m[1], m[2], m[3]}, partieEnCours_, nullptr};
}

const Carte& Simulation::simule(int noeud, int& score) {
    const PartieSimulee start = depart();
    const int enfant =
        formAnalyse_.ajouteEnfant(noeud, "Simulation " + std::to_string(start.partie_.noDuProchainAJouer()));
    const PartieSimulee final = cherche(start, start.cartesJouables(), 0);
    score = final.score(identification_);
    formAnalyse_.ajouteAuTexte(enfant, " p:" + std::to_string(score) + " avec " + final.carteChoisie_->getNom());
    return *final.carteChoisie_;
}

int Simulation::nbAlternatives(int niveau, int recursiveDeep) {
    int nombre = 1;
    if (niveau == 1) nombre = 7 - recursiveDeep;
    if (niveau == 2) nombre = 8 - recursiveDeep;
    return nombre < 1 ? 1 : nombre;
}

CarteSet Simulation::eclaircit(CarteSet cartes, unsigned combien) {
    while (cartes.size() > combien) cartes.erase(*cartes.kieme(static_cast<unsigned>(random_.tire(int(cartes.size())))));
    return cartes;
}

PartieSimulee Simulation::cherche(const PartieSimulee& noeud, CarteSet cartesJouables, int recursiveDeep) {
    TW_ASSERT(cartesJouables.size() <= 9, SOURCE);
    TW_ASSERT(cartesJouables.size() > 0, SOURCE);
    cartesJouables = eclaircit(cartesJouables, unsigned(nbAlternatives(niveau_, recursiveDeep)));

    const int joueur = noeud.partie_.noDuProchainAJouer();
    const bool maximise = joueur == identification_ || joueur == siege::partenaire(identification_);
    std::optional<PartieSimulee> finales[9];
    int valeurs[9];
    int nbCartes = 0;
    for (const Carte& carte : cartesJouables) {
        PartieSimulee copie = noeud;
        if (!copie.carteChoisie_) copie.carteChoisie_ = &carte;
        copie.joue(carte);
        if (copie.partie_.estTerminee())
            finales[nbCartes].emplace(copie);
        else
            finales[nbCartes].emplace(cherche(copie, copie.cartesJouables(), recursiveDeep + 1));
        valeurs[nbCartes] = finales[nbCartes]->score(identification_);
        ++nbCartes;
    }

    int best = 0;
    int worst = noeud.partie_.getMultiplicateur() * PartieSimulee::POINTS_DONNE_COMPLETE;
    for (int i = 0; i < nbCartes; ++i) {
        if (valeurs[i] > best) best = valeurs[i];
        if (valeurs[i] < worst) worst = valeurs[i];
    }
    int gardees[9];
    int nbGardees = 0;
    for (int i = 0; i < nbCartes; ++i)
        if (valeurs[i] == (maximise ? best : worst)) gardees[nbGardees++] = i;
    TW_ASSERT(nbGardees > 0, SOURCE);
    if (nbGardees == 0) return *finales[nbCartes - 1];
    // Equal lines: one is left out at random until one is left.
    while (nbGardees > 1) {
        const int place = random_.tire(nbGardees);
        for (int i = place; i + 1 < nbGardees; ++i) gardees[i] = gardees[i + 1];
        --nbGardees;
    }
    return *finales[gardees[0]];
}
