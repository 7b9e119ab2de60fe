#include "ai/Maitre_TableDeTransposition.h"

Maitre_TableDeTransposition::Maitre_TableDeTransposition(unsigned bits)
    : entrees_(std::size_t{1} << bits), decalage_(64 - (bits - 1)) {}

void Maitre_TableDeTransposition::nouvelleGeneration() {
    // After 255 deals the generation comes round again: then the old entries must really go.
    if (++generation_ == 0) {
        for (Entree& entree : entrees_) entree = Entree{};
        generation_ = 1;
    }
}

void Maitre_TableDeTransposition::range(const Cle& cle, int plisRestants, int bas, int haut, int meilleureCarte) {
    Entree* seau = &entrees_[indice(cle)];
    Entree* entree = nullptr;
    for (int k = 0; k < 2 && !entree; ++k)
        if (seau[k].generation == generation_ && seau[k].cle == cle) {
            entree = &seau[k];
            // Both searches' bounds hold: keep the tighter of each.
            if (entree->bas > bas) bas = entree->bas;
            if (entree->haut < haut) haut = entree->haut;
        }
    if (!entree) {
        const bool premiereLibre = seau[0].generation != generation_ || seau[0].plisRestants <= plisRestants;
        entree = premiereLibre ? &seau[0] : &seau[1];
        // The first entry's position goes on living in the second when it is worth more there.
        if (premiereLibre && seau[0].generation == generation_ &&
            (seau[1].generation != generation_ || seau[1].plisRestants <= seau[0].plisRestants))
            seau[1] = seau[0];
    }
    entree->cle = cle;
    entree->bas = static_cast<std::int16_t>(bas);
    entree->haut = static_cast<std::int16_t>(haut);
    entree->meilleureCarte = static_cast<std::uint8_t>(meilleureCarte);
    entree->generation = generation_;
    entree->plisRestants = static_cast<std::uint8_t>(plisRestants);
}
