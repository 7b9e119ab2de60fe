// Meld detection, which the computer players run on every hand they consider: the cost of
// finding and ordering the melds of one nine-card hand, and of the contest between four.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <vector>

#include "rules/Annonces.h"

namespace {

// Fixed-seed hands, so every run measures the same work.
std::vector<CarteSet> mainsDeNeufCartes(std::size_t nombre) {
    std::mt19937 generateur(12345);
    std::vector<CarteSet> mains;
    mains.reserve(nombre);
    while (mains.size() < nombre) {
        CarteSet reste = CarteSet::complet();
        for (int joueur = 0; joueur < 4; ++joueur) {
            CarteSet main;
            for (int i = 0; i < 9; ++i) {
                const Carte* carte = reste.kieme(static_cast<unsigned>(generateur() % reste.size()));
                main.insert(*carte);
                reste.erase(*carte);
            }
            mains.push_back(main);
        }
    }
    return mains;
}

void BM_AnnoncesDetection(benchmark::State& state) {
    const std::vector<CarteSet> mains = mainsDeNeufCartes(4096);
    std::size_t i = 0;
    for (auto _ : state) {
        Annonces annonces(mains[i++ & 4095]);
        benchmark::DoNotOptimize(annonces);
    }
    state.counters["sizeof"] = sizeof(Annonces);
}
BENCHMARK(BM_AnnoncesDetection);

// A hand rich in melds (four Valets, two runs), the slowest path through the removal.
void BM_AnnoncesDetectionCarre(benchmark::State& state) {
    CarteSet main;
    for (int couleur = Carte::Trefle; couleur <= Carte::Coeur; ++couleur)
        main.insert(Carte::trouve(static_cast<Carte::Couleur>(couleur), Carte::Valet));
    for (auto couleur : {Carte::Trefle, Carte::Carreau})
        for (auto position : {Carte::Neuf, Carte::Dix}) main.insert(Carte::trouve(couleur, position));
    main.insert(Carte::trouve(Carte::Coeur, Carte::Six));
    for (auto _ : state) {
        benchmark::DoNotOptimize(main);
        Annonces annonces(main);
        benchmark::DoNotOptimize(annonces);
    }
}
BENCHMARK(BM_AnnoncesDetectionCarre);

void BM_AnnoncesContest(benchmark::State& state) {
    const std::vector<CarteSet> mains = mainsDeNeufCartes(4096);
    std::vector<Annonces> annonces(mains.begin(), mains.end());
    std::size_t i = 0;
    for (auto _ : state) {
        const std::size_t d = (i++ & 1023) * 4;
        const Annonces quatre[4] = {annonces[d], annonces[d + 1], annonces[d + 2], annonces[d + 3]};
        benchmark::DoNotOptimize(resultatDesAnnonces(quatre, 0, Atout::Pique, 2));
    }
}
BENCHMARK(BM_AnnoncesContest);

}  // namespace
