// The master's decisions: deals drawn from a fixed seed (20, TRUMPWISE_BENCH_DONNES_MAITRE to
// change), trump chosen by the evaluation-based player's weighing of the leader's hand, every card
// of the four seats chosen by the master's reasoning, each seat seeing only its own hand and the
// cards played. Reports the median, the 95th percentile and the worst decision time (cards with
// more than one choice), the work counted, and how often the wall-clock safety stop ended one.
// The master's own trump choice (or chibre) for the leader's hand is timed on each deal too
// ("trump_"), though the deal is played in the trump drawn, so the cards' figures stay comparable.
#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <vector>

#include "Centile.h"
#include "DonneDuMaitre.h"
#include "ai/Maitre_ChoixAtout.h"
#include "ai/Maitre_Reflexion.h"
#include "ai/Maitre_Solveur.h"
#include "rules/JeuDeCartes.h"
#include "rules/KnuthRandom.h"
#include "rules/Partie.h"
#include "rules/TypeDePartiesPossibles.h"

namespace {

int nbDonnes() {
    const char* valeur = std::getenv("TRUMPWISE_BENCH_DONNES_MAITRE");
    return valeur ? std::max(1, std::atoi(valeur)) : 20;
}

std::chrono::steady_clock::time_point horloge() { return std::chrono::steady_clock::now(); }

void BM_DecisionsDuMaitre(benchmark::State& state) {
    const TypeDePartie& type = TypeDePartiesPossibles::commune()[static_cast<std::size_t>(state.range(0))];
    const JeuDeCartes jeu;
    Maitre_Solveur solveur(19);
    const std::atomic<bool> abandon{false};
    std::vector<double> durees, durees5, travail, dureesAtout;
    int arrets = 0;
    for (auto _ : state) {
        KnuthRandom generateur(true);
        KnuthRandom aleatoireDuMaitre(true);
        for (int donne = 0; donne < nbDonnes(); ++donne) {
            auto [mains, partie] = tireDonneDuMaitre(jeu, generateur, donne, type);
            const Maitre_ChoixAtout choixAtout(StatusAtout(), mains[donne % 4], donne % 4, type);
            const auto avantAtout = std::chrono::steady_clock::now();
            if (choixAtout.choisit(aleatoireDuMaitre, solveur, abandon, horloge).arretDeSecurite) ++arrets;
            dureesAtout.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - avantAtout).count());
            Maitre_CeQuiAEteVu vu{donne % 4, type, {}, {}};
            while (!partie.estTerminee()) {
                const int joueur = partie.noDuProchainAJouer();
                const Maitre_Reflexion reflexion(partie, joueur, mains[joueur], vu, false);
                const auto debut = std::chrono::steady_clock::now();
                const auto resultat = reflexion.reflechit(aleatoireDuMaitre, solveur, abandon, horloge);
                const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut).count();
                if (reflexion.jouables().size() > 1) {
                    durees.push_back(ms);
                    if (!resultat.parVote) durees5.push_back(ms);
                    travail.push_back(static_cast<double>(resultat.travail));
                    if (resultat.arretDeSecurite) ++arrets;
                }
                const Carte& carte = Carte::parTag(static_cast<unsigned>(resultat.choix));
                mains[joueur].erase(carte);
                partie.joueCarte(carte, joueur);
                vu.cartesJouees.push_back(static_cast<std::uint8_t>(carte.getTag()));
            }
        }
    }
    state.counters["decisions"] = static_cast<double>(durees.size());
    state.counters["p50_ms"] = centile(durees, 0.50);
    state.counters["p95_ms"] = centile(durees, 0.95);
    state.counters["max_ms"] = centile(durees, 1.0);
    state.counters["exact_p50_ms"] = centile(durees5, 0.50);
    state.counters["exact_p95_ms"] = centile(durees5, 0.95);
    state.counters["exact_max_ms"] = centile(durees5, 1.0);
    state.counters["p50_work"] = centile(travail, 0.50);
    state.counters["trump_p50_ms"] = centile(dureesAtout, 0.50);
    state.counters["trump_p95_ms"] = centile(dureesAtout, 0.95);
    state.counters["trump_max_ms"] = centile(dureesAtout, 1.0);
    state.counters["safety_stops"] = arrets;
}
// Variant 0: the four suits; variant 3: suits, both no-trump orders and zig-zag.
BENCHMARK(BM_DecisionsDuMaitre)->Arg(0)->Arg(3)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
