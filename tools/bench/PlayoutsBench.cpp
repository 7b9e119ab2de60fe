// Random playouts of whole deals: copy a deal and four hands, let each seat play a random
// playable card until the deal ends. This is the inner loop of the computer players' searches.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <numeric>

#include "rules/Partie.h"

namespace {

struct XorShift {
    std::uint64_t etat;
    std::uint32_t suivant() {
        etat ^= etat << 13;
        etat ^= etat >> 7;
        etat ^= etat << 17;
        return static_cast<std::uint32_t>(etat >> 32);
    }
    unsigned tire(unsigned n) { return static_cast<unsigned>((std::uint64_t{suivant()} * n) >> 32); }
};

const Carte& kieme(CarteSet set, unsigned k) {
    std::uint64_t reste = set.masque();
    for (unsigned i = 0; i < k; ++i) reste &= reste - 1;
    return Carte::parTag(static_cast<unsigned>(std::countr_zero(reste)));
}

std::array<CarteSet, 4> distribue(XorShift& aleatoire) {
    std::array<unsigned, 36> tags;
    std::iota(tags.begin(), tags.end(), 0u);
    for (unsigned i = 35; i > 0; --i) std::swap(tags[i], tags[aleatoire.tire(i + 1)]);
    std::array<CarteSet, 4> mains;
    for (unsigned i = 0; i < 36; ++i) mains[i / 9].insert(Carte::parTag(tags[i]));
    return mains;
}

void BM_PlayoutAleatoire(benchmark::State& state) {
    XorShift aleatoire{0x9E3779B97F4A7C15ull};
    const Atout atout = static_cast<Atout>(state.range(0));
    const Partie depart(atout, CarteSet::complet(), 0, 0, 1);
    const std::array<CarteSet, 4> mainsDepart = distribue(aleatoire);
    int points = 0;
    for (auto _ : state) {
        Partie partie = depart;
        std::array<CarteSet, 4> mains = mainsDepart;
        while (!partie.estTerminee()) {
            const int seat = partie.noDuProchainAJouer();
            const CarteSet jouables = partie.cartesJouables(mains[seat]);
            const Carte& carte = kieme(jouables, aleatoire.tire(jouables.size()));
            mains[seat].erase(carte);
            partie.joueCarte(carte, seat);
        }
        points += partie.getPointsEquipe1();
    }
    benchmark::DoNotOptimize(points);
    state.SetItemsProcessed(state.iterations());
    state.counters["deals/s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["sizeof(Partie)"] = sizeof(Partie);
    state.counters["sizeof(CarteSet)"] = sizeof(CarteSet);
}
BENCHMARK(BM_PlayoutAleatoire)->Arg(int(Atout::Pique))->Arg(int(Atout::HautEnBas))->Arg(int(Atout::ZigZag));

}  // namespace
