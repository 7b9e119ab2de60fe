#pragma once

#include <cstdint>
#include <vector>

// What the open-hand search has learnt of the positions it met: for each, bounds of the value
// still to come and the card that was best there. The search builds the keys (two words); equal
// keys must mean positions of equal value.
//
// Fixed size, in buckets of two entries: the first keeps the position with the most tricks still
// to play (the costliest to search again), the second takes whatever the first does not keep.
// Starting a new deal only changes the generation: entries of an older generation count as
// empty, so nothing is cleared.
class Maitre_TableDeTransposition {
public:
    struct Cle {
        std::uint64_t a = 0;
        std::uint64_t b = 0;
        bool operator==(const Cle&) const = default;
    };
    struct Entree {
        Cle cle;
        std::int16_t bas = 0;
        std::int16_t haut = 0;
        std::uint8_t meilleureCarte = 0xFF;
        std::uint8_t generation = 0;
        std::uint8_t plisRestants = 0;
    };

    explicit Maitre_TableDeTransposition(unsigned bits);

    void nouvelleGeneration();
    // The entry of that position in this generation, or nothing.
    const Entree* trouve(const Cle& cle) const {
        const Entree* seau = &entrees_[indice(cle)];
        for (int k = 0; k < 2; ++k)
            if (seau[k].generation == generation_ && seau[k].cle == cle) return &seau[k];
        return nullptr;
    }
    void range(const Cle& cle, int plisRestants, int bas, int haut, int meilleureCarte);

private:
    // The first entry of the position's bucket.
    std::size_t indice(const Cle& cle) const {
        return static_cast<std::size_t>(((cle.a ^ (cle.b * 0xC2B2AE3D27D4EB4Full)) * 0x9E3779B97F4A7C15ull) >> decalage_) * 2;
    }

    std::vector<Entree> entrees_;
    unsigned decalage_;
    std::uint8_t generation_ = 1;
};
