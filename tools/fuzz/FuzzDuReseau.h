#pragma once

// What the network's fuzz targets share: how they start, and how an input becomes receipts.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "net/Lien.h"
#include "platform/Assertion.h"
#include "platform/TableDesTextes.h"

// The fuzzer's end of a link: what the other end sends it is not looked at.
struct BoutDuFuzzer : Lien::Observateur {
    void recoit(Lien&, const std::string&) override {}
    void lienFerme(Lien&) override {}
    void erreurDeLien(Lien&, const std::string&) override {}
};

// An internal check reached from what the other end sent is a finding; the players' names, by
// which the seats are given, come from the texts.
inline void prepareLeFuzzDuReseau() {
    assertion::installe([](const char* expression, const char* source, int ligne) {
        std::fprintf(stderr, "internal check reached from the other end: %s %s %d\n", expression, source, ligne);
        std::abort();
    });
    TableDesTextes::globale().charge(std::string(TRUMPWISE_LANG_DIR) + "/fra.txt");
}

// The input sent on the link as receipts, each a byte giving its length (1 to 64) and the delay
// after it (1, 40, 80 or 120 ms), then that many bytes; until the input is spent or the link
// closed. A message may so come whole, in pieces, or several at once.
inline void envoieParRecus(const std::uint8_t* donnees, std::size_t taille, Lien& lien,
                           const std::function<void(int)>& avance) {
    std::size_t lu = 0;
    while (lu < taille && lien.estOuvert()) {
        const std::uint8_t entete = donnees[lu++];
        const std::size_t longueur = std::min<std::size_t>(1 + (entete & 0x3F), taille - lu);
        lien.envoie(std::string(reinterpret_cast<const char*>(donnees + lu), longueur));
        lu += longueur;
        avance(entete >> 6 == 0 ? 1 : 40 * (entete >> 6));
    }
}
