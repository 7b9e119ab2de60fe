#include "ai/Maitre_ArretDeSecurite.h"

#include "ai/Maitre_Solveur.h"

Maitre_ArretDeSecurite::Maitre_ArretDeSecurite(Maitre_Solveur& solveur, std::uint64_t noeudsMax,
                                               const std::atomic<bool>& abandon, Horloge horloge,
                                               std::chrono::steady_clock::time_point debut,
                                               std::chrono::milliseconds delai)
    : solveur_(solveur) {
    solveur.remetCompteur();
    solveur.limiteNoeuds(noeudsMax);
    solveur.setArret([this, &abandon, horloge, debut, delai] {
        horsDelai_ = horloge() - debut > delai;
        return horsDelai_ || abandon.load(std::memory_order_relaxed);
    });
}

Maitre_ArretDeSecurite::~Maitre_ArretDeSecurite() { solveur_.setArret({}); }
