// How well the master's beliefs place the hidden cards. Deals drawn from a fixed seed
// (TRUMPWISE_BENCH_DONNES_CROYANCES, 40 by default), the trump chosen or passed (chibre) by the
// evaluation-based player's weighing, every card played by the evaluation-based player at level 2
// (the one that sees all hands, as in the arena). At every trick start from the second trick on,
// the seat to lead draws its deals of the unseen cards twice: uniformly among those that agree with
// what it saw, and weighed by the other seats' decisions. Reports, for the tricks where the master
// votes (2 and 3) and where it searches exactly (4 to 8), the share of the unseen cards each way
// places with their true holder, how many distinct deals the weighed draw keeps, and the time of a
// weighed draw.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <set>
#include <vector>

#include "ai/AI_ChoixAtout.h"
#include "ai/AI_ChoixCarte.h"
#include "ai/AI_ProbaSimplifiee.h"
#include "ai/AnalyseJoueur.h"
#include "ai/Maitre_Croyances.h"
#include "rules/JeuDeCartes.h"
#include "rules/KnuthRandom.h"
#include "rules/OptionsDePartie.h"
#include "rules/TypeDePartiesPossibles.h"

namespace {

constexpr int ECHANTILLONS = 96;

int nbDonnes() {
    const char* valeur = std::getenv("TRUMPWISE_BENCH_DONNES_CROYANCES");
    return valeur ? std::max(1, std::atoi(valeur)) : 40;
}

// The share of the cards the samples give to other seats that they give to the true holder.
double justesse(const std::array<CarteSet, 4>& vraies, const std::vector<std::array<CarteSet, 4>>& echantillons, int moi) {
    int justes = 0, total = 0;
    for (const auto& mains : echantillons)
        for (int siege = 0; siege < 4; ++siege) {
            if (siege == moi) continue;
            justes += static_cast<int>((mains[siege] & vraies[siege]).size());
            total += static_cast<int>(mains[siege].size());
        }
    return total ? double(justes) / total : 1;
}

struct Mesure {
    double uniforme = 0, ponderee = 0, distinctes = 0;
    int nombre = 0;
    void ajoute(double u, double p, double d) {
        uniforme += u;
        ponderee += p;
        distinctes += d;
        ++nombre;
    }
};

void BM_CroyancesDuMaitre(benchmark::State& state) {
    const TypeDePartie& type = TypeDePartiesPossibles::commune()[static_cast<std::size_t>(state.range(0))];
    const JeuDeCartes jeu;
    Mesure votes, exacte;
    std::vector<double> durees;
    for (auto _ : state) {
        KnuthRandom generateur(true), aleatoireDesJoueurs(true), aleatoireDuMaitre(true);
        for (int numero = 0; numero < nbDonnes(); ++numero) {
            CarteSet reste = jeu.getCartes();
            std::array<CarteSet, 4> mains;
            for (CarteSet& main : mains) main = jeu.tireCartes(reste, generateur);
            const int premier = numero % 4;
            StatusAtout status = AI_ChoixAtout::choisit(StatusAtout(), mains[premier], type);
            int choisisseur = premier;
            if (status.estChibre) {
                choisisseur = (premier + 2) & 3;
                StatusAtout chibre;
                chibre.estChibre = true;
                status = AI_ChoixAtout::choisit(chibre, mains[choisisseur], type);
            }
            Partie partie(status.atout, CarteSet::complet(), premier, choisisseur, status.multiplicateur);
            Maitre_CeQuiAEteVu vu{premier, type, {}, {}};
            AnalyseJoueur brouillon;
            while (!partie.estTerminee()) {
                const int joueur = partie.noDuProchainAJouer();
                const unsigned jouees = partie.nbCartesJouees();
                if (jouees % 4 == 0 && jouees >= 4) {
                    const Maitre_Croyances croyances(partie, joueur, mains[joueur], vu);
                    std::vector<std::array<CarteSet, 4>> uniformes, ponderees;
                    for (int k = 0; k < ECHANTILLONS; ++k) uniformes.push_back(croyances.echantillonneur().tire(aleatoireDuMaitre));
                    const auto debut = std::chrono::steady_clock::now();
                    const Maitre_Croyances::Tirage tirage = croyances.tire(aleatoireDuMaitre, ECHANTILLONS);
                    durees.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut).count());
                    for (const int indice : tirage.suite) ponderees.push_back(tirage.donnes[static_cast<std::size_t>(indice)]);
                    const double distinctes = double(std::set<int>(tirage.suite.begin(), tirage.suite.end()).size());
                    (jouees < 12 ? votes : exacte).ajoute(justesse(mains, uniformes, joueur), justesse(mains, ponderees, joueur), distinctes);
                }
                AI_ProbaSimplifiee probas(brouillon, OptionsDePartie::NIVEAU_EXPERT);
                for (int siege = 0; siege < 4; ++siege) probas.ajouteMain(mains[siege], siege);
                probas.metAJour(partie);
                const AI_ChoixCarte moteur(joueur, OptionsDePartie::NIVEAU_EXPERT, false);
                const Carte* carte = moteur.choisit(partie, premier, mains[joueur], probas, aleatoireDesJoueurs, brouillon);
                if (!carte) carte = &*partie.cartesJouables(mains[joueur]).begin();
                mains[joueur].erase(*carte);
                partie.joueCarte(*carte, joueur);
                vu.cartesJouees.push_back(static_cast<std::uint8_t>(carte->getTag()));
            }
        }
    }
    state.counters["votes_uniform"] = votes.uniforme / votes.nombre;
    state.counters["votes_weighted"] = votes.ponderee / votes.nombre;
    state.counters["votes_distinct"] = votes.distinctes / votes.nombre;
    state.counters["exact_uniform"] = exacte.uniforme / exacte.nombre;
    state.counters["exact_weighted"] = exacte.ponderee / exacte.nombre;
    state.counters["exact_distinct"] = exacte.distinctes / exacte.nombre;
    std::sort(durees.begin(), durees.end());
    state.counters["draw_p50_ms"] = durees[durees.size() / 2];
    state.counters["draw_max_ms"] = durees.back();
}
// Variant 0: the four suits; variant 3: suits, both no-trump orders and zig-zag.
BENCHMARK(BM_CroyancesDuMaitre)->Arg(0)->Arg(3)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
