// A whole game headless, also with the game kept in its file after every event, and loading a
// finished game from its file (quick replay, no film).
#include <benchmark/benchmark.h>

#include <filesystem>

#include "platform/TableDesTextes.h"
#include "support/PartieDeQuatreHumains.h"

namespace {

const bool textesCharges = [] {
    TableDesTextes::globale().charge(std::string(TRUMPWISE_LANG_DIR) + "/fra.txt");
    return true;
}();

// Argument 1: the game is written to a file after every event (flushed to the disk each time),
// as the desktop program does so that a game is never lost.
void BM_PartieCompleteScriptee(benchmark::State& state) {
    const auto fichierDeReprise = std::filesystem::temp_directory_path() / "trumpwise-bench-reprise.jss";
    unsigned graine = 1;
    int donnes = 0;
    for (auto _ : state) {
        PartieDeQuatreHumains partie(graine++);
        if (state.range(0)) partie.table.sauvegardeEnContinuDans(fichierDeReprise.string());
        partie.demarre(OptionsDePartie());
        partie.joueJusqua(EvenementDeJeu::AttendFinDePartie1);
        donnes += partie.table.compteurDonnes();
    }
    state.counters["deals/game"] = double(donnes) / double(state.iterations());
    std::filesystem::remove(fichierDeReprise);
}
BENCHMARK(BM_PartieCompleteScriptee)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

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
