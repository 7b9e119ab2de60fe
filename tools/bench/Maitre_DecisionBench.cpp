// The master's decisions: deals drawn from a fixed seed (20, TRUMPWISE_BENCH_DONNES_MAITRE to
// change), trump chosen by the evaluation-based player's weighing of the leader's hand, every card
// of the four seats chosen by the master's reasoning, each seat seeing only its own hand and the
// cards played. Reports the median, the 95th percentile and the worst decision time (cards with
// more than one choice), the work counted, and how often the wall-clock safety stop ended one.
// The master's own trump choice (or chibre) for the leader's hand is timed on each deal too
// ("trump_"), though the deal is played in the trump drawn, so the cards' figures stay comparable.
// What the cards are worth: from the second trick on, each card chosen is valued with the true
// hands laid open against the best card there ("regret": the points its team gives away, before
// the mode's multiplier; 0 when no card does better), separately for the cards the master votes on
// (the second trick; those of the first would take seconds each to value) and those it solves
// (third trick on), with the half-width of its 95 % interval and the share of the cards that give
// points away. A master that saw the hands would score 0 on the solved cards: the figure is what
// the hidden cards cost it, card by card.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "../arena/Mesures.h"
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

// How much less than the best card the card `choix` is worth with every hand laid open.
double regret(Maitre_Solveur& juge, const Partie& partie, const std::array<CarteSet, 4>& mains, int choix) {
    const auto valeurs = juge.valeursDesCartes(Maitre_PositionOuverte::depuis(partie, mains));
    int meilleure = INT32_MIN, choisie = INT32_MIN;
    for (unsigned k = 0; k < valeurs.nombre; ++k) {
        meilleure = std::max(meilleure, valeurs.cartes[k].valeur);
        if (valeurs.cartes[k].tag == choix) choisie = valeurs.cartes[k].valeur;
    }
    return meilleure - choisie;
}

// The points the cards give away, and whether each gave any.
struct Regrets {
    Echantillon points, pertes;
    void ajoute(double regret) {
        points.ajoute(regret);
        pertes.ajoute(regret > 0 ? 1 : 0);
    }
};

void BM_DecisionsDuMaitre(benchmark::State& state) {
    const TypeDePartie& type = TypeDePartiesPossibles::commune()[static_cast<std::size_t>(state.range(0))];
    const JeuDeCartes jeu;
    Maitre_Solveur solveur(19);
    const std::atomic<bool> abandon{false};
    Maitre_Solveur juge(19);
    std::vector<double> durees, durees5, travail, dureesAtout;
    Regrets regretsVotes, regretsExacts;
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
                    if (partie.nbCartesJouees() >= 4)
                        (resultat.parVote ? regretsVotes : regretsExacts).ajoute(regret(juge, partie, mains, resultat.choix));
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
    state.counters["vote_regret"] = regretsVotes.points.moyenne();
    state.counters["vote_regret_ci95"] = regretsVotes.points.demiIntervalle95();
    state.counters["vote_regret_share"] = regretsVotes.pertes.moyenne();
    state.counters["exact_regret"] = regretsExacts.points.moyenne();
    state.counters["exact_regret_ci95"] = regretsExacts.points.demiIntervalle95();
    state.counters["exact_regret_share"] = regretsExacts.pertes.moyenne();
}
// Variant 0: the four suits; variant 3: suits, both no-trump orders and zig-zag.
BENCHMARK(BM_DecisionsDuMaitre)->Arg(0)->Arg(3)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
