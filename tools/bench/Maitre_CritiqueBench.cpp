// The coach's review of a deal (`Maitre_Critique` with the master as adviser, as the window runs
// it): deals drawn from a fixed seed (10, TRUMPWISE_BENCH_DONNES_CRITIQUE to change), every card
// of the four seats a playable card drawn at random, as a careless player would. Reports the
// median, the 95th percentile and the worst time of a deal's review, the cards reviewed, and how
// many of them ran past the solver's budget and were not judged.
#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <vector>

#include "Centile.h"
#include "DonneDuMaitre.h"
#include "ai/Maitre_Conseil.h"
#include "ai/Maitre_Critique.h"
#include "rules/TypeDePartiesPossibles.h"

namespace {

const TypeDePartie& variante = TypeDePartiesPossibles::commune()[0];

int nbDonnes() {
    const char* valeur = std::getenv("TRUMPWISE_BENCH_DONNES_CRITIQUE");
    return valeur ? std::max(1, std::atoi(valeur)) : 10;
}

// The deal as the history of a game tells it, its cards played at random.
HistoriqueDesDonnes::Donne donneJoueeAuHasard(const JeuDeCartes& jeu, KnuthRandom& generateur, int numero) {
    auto [mains, partie] = tireDonneDuMaitre(jeu, generateur, numero, variante);
    HistoriqueDesDonnes::Donne donne;
    donne.atout = partie.atoutChoisi();
    donne.multiplicateur = 1;
    donne.choisiPar = partie.getJoueurQuiAFaitAtout();
    donne.cartesJouees = mains;
    while (!partie.estTerminee()) {
        const int joueur = partie.noDuProchainAJouer();
        if (partie.debutDePli()) donne.plis.push_back({{}, joueur, -1});
        const CarteSet jouables = partie.cartesJouables(mains[joueur]);
        const Carte& carte = *jouables.kieme(static_cast<unsigned>(generateur.tire(static_cast<int>(jouables.size()))));
        donne.plis.back().cartes[joueur] = &carte;
        mains[joueur].erase(carte);
        const int suivant = partie.joueCarte(carte, joueur);
        if (partie.debutDePli()) donne.plis.back().gagnant = suivant;
    }
    return donne;
}

void BM_CritiqueDuMaitre(benchmark::State& state) {
    const JeuDeCartes jeu;
    const std::atomic<bool> abandon{false};
    std::vector<double> durees;
    double ecarts = 0, nonJugees = 0;
    for (auto _ : state) {
        KnuthRandom generateur(true);
        for (int numero = 0; numero < nbDonnes(); ++numero) {
            const HistoriqueDesDonnes::Donne donne = donneJoueeAuHasard(jeu, generateur, numero);
            const auto debut = std::chrono::steady_clock::now();
            Maitre_Conseil maitre(false);
            const auto bilan = Maitre_Critique::critique(
                donne, 0, variante,
                [&](const Partie& partie, CarteSet main, const Maitre_CeQuiAEteVu& vu) {
                    return maitre.carte(partie, main, vu, abandon);
                },
                abandon);
            durees.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut).count());
            if (!bilan) continue;
            ecarts += static_cast<double>(bilan->ecarts.size());
            nonJugees += bilan->nonJugees;
        }
    }
    state.counters["deals"] = static_cast<double>(durees.size());
    state.counters["p50_ms"] = centile(durees, 0.50);
    state.counters["p95_ms"] = centile(durees, 0.95);
    state.counters["max_ms"] = centile(durees, 1.0);
    state.counters["losses_per_deal"] = ecarts / static_cast<double>(durees.size());
    state.counters["not_judged_per_deal"] = nonJugees / static_cast<double>(durees.size());
}
BENCHMARK(BM_CritiqueDuMaitre)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
