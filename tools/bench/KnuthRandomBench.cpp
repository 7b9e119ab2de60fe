// The random generator that the table and every computer player own: what one costs in memory,
// how long coming back to a saved state takes (a game file or a network join loads it), and the
// cost of one draw, which the computer players' searches pay many times.
#include <benchmark/benchmark.h>

#include <vector>

#include "rules/JeuDeCartes.h"
#include "rules/KnuthRandom.h"

namespace {

void compteTaille(benchmark::State& state) { state.counters["sizeof"] = sizeof(KnuthRandom); }

// The argument is the saved position; MAX_SIZE - 1 replays almost the whole buffer.
void BM_KnuthRandomCharge(benchmark::State& state) {
    KnuthRandom source(true);
    for (int i = 0; i < state.range(0); ++i) source.tire(36);
    const std::string texte = source.save();
    KnuthRandom generateur(true);
    for (auto _ : state) {
        generateur.load(texte);
        benchmark::DoNotOptimize(generateur);
    }
    compteTaille(state);
}
BENCHMARK(BM_KnuthRandomCharge)->Arg(0)->Arg(36 * 40)->Arg(KnuthRandom::MAX_SIZE - 1)->Unit(benchmark::kMicrosecond);

// For comparison: filling the whole buffer of MAX_SIZE numbers, which a generator holding it
// (4 MB) pays at every creation and every load whatever the position.
void BM_KnuthRanArrayTamponComplet(benchmark::State& state) {
    std::vector<std::int32_t> tampon(KnuthRandom::MAX_SIZE);
    for (auto _ : state) {
        KnuthRanArray etat;
        etat.ran_start(0);
        etat.ran_array(tampon.data(), KnuthRandom::MAX_SIZE);
        benchmark::DoNotOptimize(tampon.data());
    }
}
BENCHMARK(BM_KnuthRanArrayTamponComplet)->Unit(benchmark::kMicrosecond);

// Creation: a seeded start of the generator, paid by every computer player.
void BM_KnuthRandomCreation(benchmark::State& state) {
    for (auto _ : state) {
        KnuthRandom generateur(true);
        benchmark::DoNotOptimize(generateur);
    }
    compteTaille(state);
}
BENCHMARK(BM_KnuthRandomCreation)->Unit(benchmark::kMicrosecond);

// Long runs cross the end of the buffer, so its regeneration is counted in the mean.
void BM_KnuthRandomTire(benchmark::State& state) {
    KnuthRandom generateur(true);
    for (auto _ : state) benchmark::DoNotOptimize(generateur.tire(36));
    compteTaille(state);
}
BENCHMARK(BM_KnuthRandomTire);

void BM_DistribueQuatreMains(benchmark::State& state) {
    const JeuDeCartes jeu;
    KnuthRandom generateur(true);
    for (auto _ : state) {
        CarteSet reste = jeu.getCartes();
        for (int joueur = 0; joueur < 4; ++joueur) benchmark::DoNotOptimize(jeu.tireCartes(reste, generateur));
    }
}
BENCHMARK(BM_DistribueQuatreMains);

}  // namespace
