// The open-hand solver: 1000 deals drawn from a fixed seed (TRUMPWISE_BENCH_DONNES to change),
// trump chosen by the evaluation-based player's weighing of the hand of the seat that leads
// (chibre not allowed), solved from the first card (second argument 0) or after that many tricks
// played at random. Reports the median, the 95th percentile and the worst solving time, and the nodes.
// From the first card a deal may take minutes: TRUMPWISE_BENCH_NOEUDS_MAX gives up a deal past that
// many nodes (counted in "given_up"; its time and nodes then stand for at least that much).
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <vector>

#include "Centile.h"
#include "DonneDuMaitre.h"
#include "ai/Maitre_Solveur.h"
#include "rules/JeuDeCartes.h"
#include "rules/KnuthRandom.h"
#include "rules/Partie.h"
#include "rules/TypeDePartiesPossibles.h"

namespace {

std::uint64_t noeudsMax() {
    const char* valeur = std::getenv("TRUMPWISE_BENCH_NOEUDS_MAX");
    return valeur ? std::strtoull(valeur, nullptr, 10) : UINT64_MAX;
}

int nbDonnes() {
    const char* valeur = std::getenv("TRUMPWISE_BENCH_DONNES");
    return valeur ? std::max(1, std::atoi(valeur)) : 1000;
}

void BM_SolveurDonne(benchmark::State& state) {
    const TypeDePartie& type = TypeDePartiesPossibles::commune()[static_cast<std::size_t>(state.range(0))];
    const unsigned plisJoues = static_cast<unsigned>(state.range(1));
    const bool chaqueCarte = state.range(2) != 0;
    const JeuDeCartes jeu;
    Maitre_Solveur solveur;
    std::vector<double> durees, noeuds;
    int abandons = 0;
    solveur.limiteNoeuds(noeudsMax());
    for (auto _ : state) {
        KnuthRandom generateur(true);
        for (int donne = 0; donne < nbDonnes(); ++donne) {
            auto [mains, partie] = tireDonneDuMaitre(jeu, generateur, donne, type);
            while (partie.nbCartesJouees() < 4 * plisJoues) {
                const int joueur = partie.noDuProchainAJouer();
                const CarteSet jouables = partie.cartesJouables(mains[joueur]);
                const Carte& carte = *jouables.kieme(static_cast<unsigned>(generateur.tire(static_cast<int>(jouables.size()))));
                mains[joueur].erase(carte);
                partie.joueCarte(carte, joueur);
            }
            const auto position = Maitre_PositionOuverte::depuis(partie, mains);
            solveur.remetCompteur();
            const auto debut = std::chrono::steady_clock::now();
            if (chaqueCarte)
                benchmark::DoNotOptimize(solveur.valeursDesCartes(position));
            else
                benchmark::DoNotOptimize(solveur.resout(position));
            durees.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut).count());
            noeuds.push_back(static_cast<double>(solveur.noeuds()));
            if (solveur.interrompu()) ++abandons;
        }
    }
    state.counters["deals"] = static_cast<double>(durees.size());
    state.counters["p50_ms"] = centile(durees, 0.50);
    state.counters["p95_ms"] = centile(durees, 0.95);
    state.counters["max_ms"] = centile(durees, 1.0);
    state.counters["p50_nodes"] = centile(noeuds, 0.50);
    state.counters["p95_nodes"] = centile(noeuds, 0.95);
    state.counters["max_nodes"] = centile(noeuds, 1.0);
    state.counters["given_up"] = abandons;
}
// Variant 0: the four suits; variant 3: suits, both no-trump orders and zig-zag. From the first
// card, and from the third and fourth tricks, where the master player solves every sample
// exactly: the value of the deal (third argument 0), or of each playable card, as the master asks
// it (1); each card's value from the second trick too, where the master would start solving if
// that were cheap enough.
BENCHMARK(BM_SolveurDonne)
    ->Args({0, 0, 0})
    ->Args({3, 0, 0})
    ->Args({0, 3, 0})
    ->Args({3, 3, 0})
    ->Args({0, 1, 1})
    ->Args({0, 2, 1})
    ->Args({3, 2, 1})
    ->Args({0, 3, 1})
    ->Args({3, 3, 1})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
