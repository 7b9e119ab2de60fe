#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "rules/Atout.h"

// One variant of chibre: which modes a player may choose (the Atout values 1 to
// getNbAtoutsPossibles()), what each multiplies a deal's points by, and the score that ends a
// standard game.
class TypeDePartie {
public:
    using Multiplicateurs = std::array<std::int32_t, 8>;

    TypeDePartie() = default;
    // idRemarque is -1 when the variant has no remark.
    constexpr TypeDePartie(std::int32_t idNom, std::int32_t scoreMaxi, std::int32_t nbAtoutsPossibles,
                           const Multiplicateurs& multiplicateurs, std::int32_t idRemarque)
        : idNom_(idNom),
          scoreMaxi_(scoreMaxi),
          nbAtoutsPossibles_(nbAtoutsPossibles),
          multiplicateurs_(multiplicateurs),
          idRemarque_(idRemarque),
          estValide_(true) {}

    std::string getNom() const;
    std::int32_t getScoreMaxi() const { return scoreMaxi_; }
    std::int32_t getNbAtoutsPossibles() const { return nbAtoutsPossibles_; }
    // 0 for a mode the variant does not allow, and always for Atout::Invalide.
    std::int32_t getMultiplicateur(Atout atout) const;
    // The points rule of the no-trump modes, shown next to them; empty when there is none.
    std::string getRemarque() const;
    // "Suisse romand (Trefle x1, Carreau x1, Pique x1, Coeur x1)".
    std::string getDescription() const;
    bool estValide() const { return estValide_; }

private:
    std::int32_t idNom_ = -1;
    std::int32_t scoreMaxi_ = -1;
    std::int32_t nbAtoutsPossibles_ = -1;
    Multiplicateurs multiplicateurs_{};
    std::int32_t idRemarque_ = -1;
    bool estValide_ = false;
};
