// Prints the engine's signature: four computer players play a fixed number of games from a fixed
// start, and the totals, event count and hash of their records are printed. Run it before and
// after a change: a change of the game's course shows at once.
//
//   trumpwise_signature [games] [seed]
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/TableDesTextes.h"
#include "support/SignatureDuMoteur.h"

int main(int argc, char** argv) {
    const int parties = argc > 1 ? std::atoi(argv[1]) : 4;
    const int graine = argc > 2 ? std::atoi(argv[2]) : 1;
    if (parties < 1) {
        std::fprintf(stderr, "usage: %s [games >= 1] [seed]\n", argv[0]);
        return 1;
    }
    TableDesTextes::globale().charge(std::string(TRUMPWISE_LANG_DIR) + "/fra.txt");
    std::printf("%s\n", calculeSignatureDuMoteur(parties, graine).texte().c_str());
    return 0;
}
