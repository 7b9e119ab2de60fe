// The evaluation-based computer player's card choice, timed decision by decision over whole
// deals: 200 deals drawn from a fixed seed, each seat's choices made by the player's engine at
// one level, with the chibre and trump choice of the player. Reports the median, the 95th
// percentile and the worst decision time, and the memory a player holds.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <vector>

#include "Centile.h"
#include "ai/AI_ChoixAtout.h"
#include "ai/AI_ChoixCarte.h"
#include "ai/AI_Joueur.h"
#include "ai/AI_ProbaSimplifiee.h"
#include "ai/AI_Simulation.h"
#include "ai/AnalyseJoueur.h"
#include "platform/TableDesTextes.h"
#include "rules/Siege.h"
#include "rules/JeuDeCartes.h"
#include "rules/KnuthRandom.h"
#include "rules/Partie.h"
#include "rules/TypeDePartiesPossibles.h"

namespace {

constexpr int NB_DONNES = 200;

int nbDonnes() {
    const char* valeur = std::getenv("TRUMPWISE_BENCH_DONNES");
    return valeur ? std::max(1, std::atoi(valeur)) : NB_DONNES;
}

// What a player's analysis model holds on the heap once it has shown a decision.
double octetsDeLAnalyse(const AnalyseJoueur& analyse) {
    std::size_t octets = 0;
    for (int couleur = Carte::Trefle; couleur <= Carte::Coeur; ++couleur)
        for (const AnalyseJoueur::Serie& serie : analyse.graphique(couleur).series)
            octets += serie.capacity() * sizeof(AnalyseJoueur::Barre);
    for (const auto& projection : analyse.projections())
        octets += sizeof(AnalyseJoueur::Projection) + projection->serie.capacity() * sizeof(AnalyseJoueur::Barre);
    octets += analyse.noeuds().capacity() * sizeof(AnalyseJoueur::Noeud);
    return static_cast<double>(octets);
}

double octetsDAnalyseMax = 0;

// Plays the deals and returns every card decision's duration in milliseconds.
std::vector<double> joueDonnes(int niveau, int donnes) {
    TableDesTextes::globale().charge(std::string(TRUMPWISE_LANG_DIR) + "/fra.txt");
    const TypeDePartie& type = TypeDePartiesPossibles::commune()[3];
    const JeuDeCartes jeu;
    KnuthRandom generateurDeLaTable(true);
    AnalyseJoueur analyses[4];
    KnuthRandom aleatoires[4] = {KnuthRandom(true), KnuthRandom(true), KnuthRandom(true), KnuthRandom(true)};
    std::vector<AI_ProbaSimplifiee> probas;
    for (AnalyseJoueur& analyse : analyses) probas.emplace_back(analyse, niveau);

    std::vector<double> durees;
    for (int donne = 0; donne < donnes; ++donne) {
        CarteSet reste = jeu.getCartes();
        CarteSet mains[4];
        for (CarteSet& main : mains) main = jeu.tireCartes(reste, generateurDeLaTable);
        for (AI_ProbaSimplifiee& p : probas) {
            p.reinitialise();
            for (int joueur = 0; joueur < 4; ++joueur) p.ajouteMain(mains[joueur], joueur);
        }
        const int choisit = donne % 4;
        StatusAtout status = AI_ChoixAtout::choisit(StatusAtout(), mains[choisit], type);
        int aFaitAtout = choisit;
        if (!status.estChoisi) {
            aFaitAtout = siege::partenaire(choisit);
            status = AI_ChoixAtout::choisit(status, mains[aFaitAtout], type);
        }
        Partie partie(status.atout, CarteSet::complet(), choisit, aFaitAtout, status.multiplicateur);
        while (!partie.estTerminee()) {
            const int joueur = partie.noDuProchainAJouer();
            const auto debut = std::chrono::steady_clock::now();
            const Carte* carte = AI_ChoixCarte(joueur, niveau, true)
                                     .choisit(partie, choisit, mains[joueur], probas[static_cast<unsigned>(joueur)],
                                              aleatoires[joueur], analyses[joueur]);
            durees.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut).count());
            mains[joueur].erase(*carte);
            partie.joueCarte(*carte, joueur);
            for (AI_ProbaSimplifiee& p : probas) p.metAJour(partie);
            octetsDAnalyseMax = std::max(octetsDAnalyseMax, octetsDeLAnalyse(analyses[joueur]));
        }
    }
    return durees;
}

void BM_ChoixCarteAI(benchmark::State& state) {
    const int niveau = static_cast<int>(state.range(0));
    std::vector<double> durees;
    for (auto _ : state) durees = joueDonnes(niveau, nbDonnes());
    double total = 0;
    for (const double duree : durees) total += duree;
    state.counters["decisions"] = static_cast<double>(durees.size());
    state.counters["mean_ms"] = total / static_cast<double>(durees.size());
    state.counters["p50_ms"] = centile(durees, 0.50);
    state.counters["p95_ms"] = centile(durees, 0.95);
    state.counters["max_ms"] = *std::max_element(durees.begin(), durees.end());
    // Per player: the object (its generator and tables inside), its analysis model on the heap.
    state.counters["sizeof(AI_Joueur)"] = sizeof(AI_Joueur);
    state.counters["analysis_heap_bytes"] = octetsDAnalyseMax;
    // Shared by all players: the pool of search nodes, grown to the largest tree.
    state.counters["shared_pool_bytes"] = static_cast<double>(AI_Simulation::memoirePartagee());
    state.counters["sizeof(Noeud)"] = sizeof(AI_Simulation::Noeud);
}
BENCHMARK(BM_ChoixCarteAI)->Arg(0)->Arg(1)->Arg(2)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
