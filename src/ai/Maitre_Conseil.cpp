#include "ai/Maitre_Conseil.h"

#include "ai/Maitre_Reflexion.h"
#include "rules/KnuthRandom.h"
#include "rules/Partie.h"

namespace {

constexpr unsigned BITS_TABLE = 19;

// The safety stop is for a player the table waits for: nobody waits on advice.
std::chrono::steady_clock::time_point horlogeArretee() { return {}; }

}  // namespace

Maitre_Conseil::Maitre_Conseil(bool departAtoutPlusHaut) : solveur_(BITS_TABLE), departAtoutPlusHaut_(departAtoutPlusHaut) {}

const Carte* Maitre_Conseil::carte(const Partie& partie, CarteSet main, const Maitre_CeQuiAEteVu& vu,
                                   const std::atomic<bool>& abandon) {
    const Maitre_Reflexion reflexion(partie, partie.noDuProchainAJouer(), main, vu, departAtoutPlusHaut_);
    if (reflexion.jouables().empty()) return nullptr;
    KnuthRandom aleatoire(true);
    const int choix = reflexion.reflechit(aleatoire, solveur_, abandon, horlogeArretee).choix;
    if (abandon.load()) return nullptr;
    return &Carte::parTag(static_cast<unsigned>(choix));
}
