// Loads arbitrary bytes as a game file into a table without a window, replays it and, when it is
// accepted, plays the game on to its end with the seeded users' driver (and the computer players
// the file registers). A file is either refused with one error message and the table left without
// a game, or it loads and the game ends; what the table writes then loads again. Anything else
// is a finding: a crash, a read out of bounds, an internal check, a loaded game that waits
// forever, a refusal without a message, a written file the program refuses.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "ai/AI_Joueur.h"
#include "ai/FabriquesParSimulation.h"
#include "platform/Assertion.h"
#include "players/FabriqueDeJoueurs.h"
#include "support/PartieDeQuatreHumains.h"

namespace {

// Bounds the play of one input: a whole game of users takes some thousand steps.
constexpr int PAS_MAXI = 3000000;

[[noreturn]] void constat(const char* quoi) {
    std::fprintf(stderr, "finding: %s\n", quoi);
    std::abort();
}

const std::string& cheminTemporaire(const char* suffixe) {
    static const std::string base =
        (std::filesystem::temp_directory_path() / ("trumpwise-fuzz-" + std::to_string(::getpid()))).string();
    static std::string chemins[2] = {base + "-lu.jss", base + "-ecrit.jss"};
    return chemins[suffixe[0] == 'e'];
}

int nbErreurs(const PartieDeQuatreHumains& partie) {
    int erreurs = 0;
    for (const auto& boite : partie.plateforme.boites) erreurs += boite.genre == "erreur";
    return erreurs;
}

// Loads the file; false when it was refused (as it must be: one message, no game).
bool charge(PartieDeQuatreHumains& partie, const std::string& chemin) {
    partie.plateforme.reponses.assign(16, false);  // no film, no new game at the end
    partie.table.commencePartie(Table::ChargeFichier, OptionsDePartie::Local, chemin);
    if (partie.table.etatJeu() == EvenementDeJeu::Depart) {
        if (nbErreurs(partie) != 1) constat("a refused file does not give exactly one message");
        if (partie.table.getJoueur(0)) constat("a refused file leaves players at the table");
        return false;
    }
    if (nbErreurs(partie) != 0) constat("a loaded file also gave an error");
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    assertion::installe([](const char* expression, const char* source, int ligne) {
        std::fprintf(stderr, "internal check reached from a file: %s %s %d\n", expression, source, ligne);
        std::abort();
    });
    enregistreJoueursParSimulation();
    enregistreFabrique(OptionsDuJoueur::AI, creeAIJoueur);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::string& lu = cheminTemporaire("lu");
    std::ofstream(lu, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(donnees),
                                                                 static_cast<std::streamsize>(taille));
    PartieDeQuatreHumains partie(static_cast<unsigned>(taille));
    if (!charge(partie, lu)) return 0;

    for (int siege = 0; siege < 4; ++siege) partie.joueur(siege).panel().place(900, 700);
    for (int pas = 0; pas < PAS_MAXI && partie.table.etatJeu() != EvenementDeJeu::Vide_Avant_NouvellePartie; ++pas) {
        if (partie.agit()) continue;
        if (partie.plateforme.minuteriesActives() == 0) constat("a loaded game waits for an answer nobody gives");
        partie.plateforme.avance(10);
    }
    if (partie.table.etatJeu() != EvenementDeJeu::Vide_Avant_NouvellePartie) constat("a loaded game does not end");

    const std::string& ecrit = cheminTemporaire("ecrit");
    partie.table.sauve(ecrit);
    PartieDeQuatreHumains relue;
    if (!charge(relue, ecrit)) constat("the program refuses a file it wrote");
    return 0;
}
