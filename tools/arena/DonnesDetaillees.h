#pragma once

// The deals of an arena run, one line each, so that two runs on the same deals (same seed and
// variant, other players) can be compared deal by deal. Most of a deal's difference comes from
// the cards dealt; compared in pairs, that part cancels out and the interval shrinks to a third
// of what two separate runs give.
//
// A line: the game's seed, the deal's key (the hands of seats 0 and 1, which tell the two plays
// of a competition deal apart), the team that chose trump (0 for team 1), 1 after a chibre, the
// mode, and team 1's points less team 2's, melds included.
#include <cinttypes>
#include <cstdio>
#include <map>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "Mesures.h"

struct DonneDetaillee {
    int graine = 0;
    std::uint64_t cle = 0;
    int equipeQuiAChoisi = 0;
    int chibre = 0;
    int atout = 0;
    int ecart = 0;
};

inline void ecritDonneDetaillee(std::FILE* fichier, const DonneDetaillee& d) {
    std::fprintf(fichier, "%d %" PRIx64 " %d %d %d %d\n", d.graine, d.cle, d.equipeQuiAChoisi, d.chibre, d.atout, d.ecart);
}

// The deals of a file; false, with the line at fault in `erreur`, when it cannot be read.
inline bool litDonnesDetaillees(const char* chemin, std::vector<DonneDetaillee>& donnes, std::string& erreur) {
    std::FILE* fichier = std::fopen(chemin, "r");
    if (!fichier) {
        erreur = std::string(chemin) + ": cannot be opened";
        return false;
    }
    char ligne[256];
    int numero = 0;
    bool lu = true;
    while (lu && std::fgets(ligne, sizeof ligne, fichier)) {
        ++numero;
        DonneDetaillee d;
        lu = std::sscanf(ligne, "%d %" SCNx64 " %d %d %d %d", &d.graine, &d.cle, &d.equipeQuiAChoisi, &d.chibre, &d.atout,
                         &d.ecart) == 6 &&
             (d.equipeQuiAChoisi == 0 || d.equipeQuiAChoisi == 1) && (d.chibre == 0 || d.chibre == 1);
        if (lu) donnes.push_back(d);
        else erreur = std::string(chemin) + ", line " + std::to_string(numero) + ": not a deal of the arena";
    }
    std::fclose(fichier);
    return lu;
}

// Prints run B less run A over the deals both played, then by the team that chose trump in B
// and B's mode (with how often A chose the same mode): where B wins or loses its points. False
// when the runs share no deal (other seeds or variants): nothing to compare.
inline bool compareDonnesDetaillees(const std::vector<DonneDetaillee>& a, const std::vector<DonneDetaillee>& b) {
    // The same deal may come twice in a file (a seed run twice): the n-th meets the n-th.
    std::map<std::tuple<int, std::uint64_t, int>, const DonneDetaillee*> deA;
    std::map<std::pair<int, std::uint64_t>, int> vues;
    for (const DonneDetaillee& d : a) deA[{d.graine, d.cle, vues[{d.graine, d.cle}]++}] = &d;
    vues.clear();
    Echantillon tout;
    std::map<std::pair<int, int>, Echantillon> parChoix;
    std::map<std::pair<int, int>, int> memeMode;
    for (const DonneDetaillee& d : b) {
        const auto trouvee = deA.find({d.graine, d.cle, vues[{d.graine, d.cle}]++});
        if (trouvee == deA.end()) continue;
        const int ecart = d.ecart - trouvee->second->ecart;
        tout.ajoute(ecart);
        parChoix[{d.equipeQuiAChoisi, d.atout}].ajoute(ecart);
        if (trouvee->second->atout == d.atout) ++memeMode[{d.equipeQuiAChoisi, d.atout}];
    }
    if (tout.taille() == 0) return false;
    std::printf("B - A, team 1: %zu deals in both, difference %s a deal\n", tout.taille(), tout.moyenneEtIntervalle().c_str());
    for (const auto& [choix, echantillon] : parChoix)
        std::printf("trump by team %d in B, mode %d: %5zu deals (%d the same mode in A), difference %s\n", choix.first + 1,
                    choix.second, echantillon.taille(), memeMode[choix], echantillon.moyenneEtIntervalle().c_str());
    return true;
}
