// The simulating computer players' card choice (races 1 to 4), timed decision by decision over
// whole deals: 200 deals drawn from a fixed seed in the variant with seven modes, each seat's
// choices made by the race's search at one level, trump chosen by the players' weighing. Reports
// the median, the 95th percentile and the worst decision time, and the most heap a decision
// held at once (the trick-by-trick trees; the full search keeps its positions on the stack).
// Times are given as wall time and as the processor time of the deciding thread.
#include <benchmark/benchmark.h>

#include <malloc.h>
#include <time.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <new>
#include <optional>
#include <vector>

#include "ai/AI_ChoixAtout.h"
#include "ai/AI_ChoixCarte.h"
#include "ai/AnalyseJoueur.h"
#include "ai/DistributionProbableDesCartes.h"
#include "ai/JoueurOrdinateur.h"
#include "ai/JoueurOrdinateurPlies.h"
#include "ai/PartieSimulee.h"
#include "ai/PartieSimuleePlies.h"
#include "platform/TableDesTextes.h"
#include "rules/Siege.h"
#include "rules/JeuDeCartes.h"
#include "rules/KnuthRandom.h"
#include "rules/TypeDePartiesPossibles.h"

namespace {

// The heap is counted only while this benchmark runs, so the others in the program keep their
// figures.
bool tasCompte = false;
std::atomic<std::size_t> tasCourant{0};
std::atomic<std::size_t> tasMaximum{0};

void compteAllocation(void* bloc) {
    if (!bloc) throw std::bad_alloc();
    if (!tasCompte) return;
    const std::size_t courant = tasCourant += malloc_usable_size(bloc);
    std::size_t maximum = tasMaximum;
    while (courant > maximum && !tasMaximum.compare_exchange_weak(maximum, courant)) {
    }
}

}  // namespace

void* operator new(std::size_t taille) {
    void* bloc = std::malloc(taille ? taille : 1);
    compteAllocation(bloc);
    return bloc;
}
namespace {
void libere(void* bloc) {
    if (!bloc) return;
    if (tasCompte) tasCourant -= malloc_usable_size(bloc);
    std::free(bloc);
}
}  // namespace
void operator delete(void* bloc) noexcept { libere(bloc); }
void operator delete(void* bloc, std::size_t) noexcept { libere(bloc); }

namespace {

constexpr int NB_DONNES = 200;

int nbDonnes() {
    const char* valeur = std::getenv("TRUMPWISE_BENCH_DONNES");
    return valeur ? std::max(1, std::atoi(valeur)) : NB_DONNES;
}

// How far a race believes the hands it is told; nothing for the races that are not told.
std::optional<float> confiance(int race) {
    if (race == OptionsDuJoueur::OrdinateurParfait) return JoueurOrdinateurParfait::CONFIANCE;
    if (race == OptionsDuJoueur::OrdinateurParfaitPlies) return 1.0f;
    return std::nullopt;
}

// The processor time this thread has used, in milliseconds: on a shared machine the wall time of
// a decision also counts the time other programs held the processor.
double tempsProcesseurMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

struct Mesures {
    std::vector<double> durees;
    std::vector<double> tempsProcesseur;
    std::size_t tasMaximum = 0;
};

// Plays the deals; every card decision's duration in milliseconds and the heap peak.
Mesures joueDonnes(int race, int niveau, int donnes) {
    TableDesTextes::globale().charge(std::string(TRUMPWISE_LANG_DIR) + "/fra.txt");
    const TypeDePartie& type = TypeDePartiesPossibles::commune()[3];
    const JeuDeCartes jeu;
    const bool plies = race == OptionsDuJoueur::OrdinateurPlies || race == OptionsDuJoueur::OrdinateurParfaitPlies;
    KnuthRandom generateurDeLaTable(true);
    std::vector<OptionsDuJoueur> options(4, OptionsDuJoueur("", true, 1, false, OptionsDuJoueur::Race(race), niveau));
    AnalyseJoueur analyses[4];
    KnuthRandom aleatoires[4] = {KnuthRandom(true), KnuthRandom(true), KnuthRandom(true), KnuthRandom(true)};
    std::vector<DistributionProbableDesCartes> distributions;
    for (int siege = 0; siege < 4; ++siege) distributions.emplace_back(analyses[siege], options[siege], siege);

    Mesures mesures;
    for (int donne = 0; donne < donnes; ++donne) {
        CarteSet reste = jeu.getCartes();
        CarteSet mains[4];
        for (CarteSet& main : mains) main = jeu.tireCartes(reste, generateurDeLaTable);
        // As the table deals: each seat receives its hand, then the others are told it.
        for (DistributionProbableDesCartes& d : distributions) d.reinitialise();
        for (int siege = 0; siege < 4; ++siege)
            for (int joueur = 0; joueur < 4; ++joueur) {
                if (joueur == siege) distributions[joueur].fixeMain(mains[siege], siege, 1.0f);
                else if (confiance(race)) distributions[joueur].fixeMain(mains[siege], siege, *confiance(race));
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
            const Simulateur simulateur{distributions[joueur], joueur, niveau, aleatoires[joueur], analyses[joueur]};
            tasMaximum = tasCourant.load();
            const std::size_t tasAvant = tasCourant;
            const auto debut = std::chrono::steady_clock::now();
            const double processeurAvant = tempsProcesseurMs();
            const Carte* carte = AI_ChoixCarte::entreeEnJeu(partie, choisit, joueur, true, mains[joueur]);
            if (!carte)
                carte = plies ? JoueurOrdinateurPlies::simuleChoix(simulateur, partie, mains[joueur])
                              : JoueurOrdinateur::simuleChoix(simulateur, partie, mains[joueur]);
            mesures.durees.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut).count());
            mesures.tempsProcesseur.push_back(tempsProcesseurMs() - processeurAvant);
            mesures.tasMaximum = std::max(mesures.tasMaximum, tasMaximum - tasAvant);
            mains[joueur].erase(*carte);
            partie.joueCarte(*carte, joueur);
            for (DistributionProbableDesCartes& d : distributions) d.carteJouee(*carte, partie);
        }
    }
    return mesures;
}

double centile(std::vector<double> valeurs, double fraction) {
    std::sort(valeurs.begin(), valeurs.end());
    const std::size_t rang = static_cast<std::size_t>(fraction * static_cast<double>(valeurs.size() - 1) + 0.5);
    return valeurs[rang];
}

void BM_ChoixCarteSimulation(benchmark::State& state) {
    const int race = static_cast<int>(state.range(0));
    const int niveau = static_cast<int>(state.range(1));
    Mesures mesures;
    for (auto _ : state) {
        tasCompte = true;
        mesures = joueDonnes(race, niveau, nbDonnes());
        tasCompte = false;
    }
    state.counters["decisions"] = static_cast<double>(mesures.durees.size());
    state.counters["p50_ms"] = centile(mesures.durees, 0.50);
    state.counters["p95_ms"] = centile(mesures.durees, 0.95);
    state.counters["max_ms"] = *std::max_element(mesures.durees.begin(), mesures.durees.end());
    state.counters["cpu_p50_ms"] = centile(mesures.tempsProcesseur, 0.50);
    state.counters["cpu_p95_ms"] = centile(mesures.tempsProcesseur, 0.95);
    state.counters["cpu_max_ms"] = *std::max_element(mesures.tempsProcesseur.begin(), mesures.tempsProcesseur.end());
    state.counters["peak_heap_bytes"] = static_cast<double>(mesures.tasMaximum);
    state.counters["sizeof(PartieSimuleePlies)"] = sizeof(PartieSimuleePlies);
    state.counters["sizeof(PartieSimulee)"] = sizeof(PartieSimulee);
}
BENCHMARK(BM_ChoixCarteSimulation)
    ->ArgNames({"race", "niveau"})
    ->ArgsProduct({{1, 2, 3, 4}, {0, 1, 2}})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
