#include "ai/Maitre_TableDeTransposition.h"

Maitre_TableDeTransposition::Maitre_TableDeTransposition(unsigned bits)
    : entrees_(std::size_t{1} << bits), decalage_(64 - bits) {}

void Maitre_TableDeTransposition::nouvelleGeneration() {
    // After 255 deals the generation comes round again: then the old entries must really go.
    if (++generation_ == 0) {
        for (Entree& entree : entrees_) entree = Entree{};
        generation_ = 1;
    }
}

void Maitre_TableDeTransposition::range(const Cle& cle, int bas, int haut, int meilleureCarte) {
    Entree& entree = entrees_[indice(cle)];
    if (entree.generation == generation_ && entree.cle == cle) {
        // Both searches' bounds hold: keep the tighter of each.
        if (entree.bas > bas) bas = entree.bas;
        if (entree.haut < haut) haut = entree.haut;
    }
    entree.cle = cle;
    entree.bas = static_cast<std::int16_t>(bas);
    entree.haut = static_cast<std::int16_t>(haut);
    entree.meilleureCarte = static_cast<std::uint8_t>(meilleureCarte);
    entree.generation = generation_;
}
