#pragma once

#include <cstdint>

// A request to one player: the state number its answering event must carry, and whether the
// player is really asked or a recorded game is being replayed (step by step, or quickly).
class InfoDemande {
public:
    enum Mode : std::uint8_t { Normal = 0, Film = 1, Chargement = 2 };

    InfoDemande(std::int32_t noDemande, bool chargement, bool film)
        : noDemande_(noDemande), mode_(!chargement ? Normal : film ? Film : Chargement) {}

    std::int32_t noDemande() const { return noDemande_; }
    Mode mode() const { return mode_; }
    bool doitAfficher() const { return mode_ != Chargement; }
    bool estRejeu() const { return mode_ != Normal; }

private:
    std::int32_t noDemande_;
    Mode mode_;
};
