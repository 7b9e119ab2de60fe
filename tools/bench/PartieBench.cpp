// A whole game headless, and loading a finished game from its file (quick replay, no film).
#include <benchmark/benchmark.h>

#include <filesystem>

#include "platform/TableDesTextes.h"
#include "support/PartieDeQuatreHumains.h"

namespace {

const bool textesCharges = [] {
    TableDesTextes::globale().charge(std::string(TRUMPWISE_LANG_DIR) + "/fra.txt");
    return true;
}();

void BM_PartieCompleteScriptee(benchmark::State& state) {
    unsigned graine = 1;
    int donnes = 0;
    for (auto _ : state) {
        PartieDeQuatreHumains partie(graine++);
        partie.demarre(OptionsDePartie());
        partie.joueJusqua(EvenementDeJeu::AttendFinDePartie1);
        donnes += partie.table.compteurDonnes();
    }
    state.counters["deals/game"] = double(donnes) / double(state.iterations());
}
BENCHMARK(BM_PartieCompleteScriptee)->Unit(benchmark::kMillisecond);

void BM_ChargePartieTerminee(benchmark::State& state) {
    const auto fichier = std::filesystem::temp_directory_path() / "trumpwise-bench-1000.jss";
    {
        PartieDeQuatreHumains partie(3);
        partie.demarre(OptionsDePartie());
        partie.joueJusqua(EvenementDeJeu::AttendFinDePartie1);
        partie.table.sauve(fichier.string());
        state.counters["lines"] = double(partie.table.listeDesEvenements().enregistrement().size());
    }
    for (auto _ : state) {
        PartieDeQuatreHumains partie;
        partie.plateforme.reponses = {false};
        partie.table.commencePartie(Table::ChargeFichier, OptionsDePartie::Local, fichier.string());
        benchmark::DoNotOptimize(partie.table.etatJeu());
    }
    std::filesystem::remove(fichier);
}
BENCHMARK(BM_ChargePartieTerminee)->Unit(benchmark::kMicrosecond);

}  // namespace
