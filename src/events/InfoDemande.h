#pragma once

#include <cstdint>

#include "events/ModeRejeu.h"

// A request to one player: the state number its answering event must carry, and whether the
// player is really asked or a recorded game is being replayed (step by step, or quickly).
class InfoDemande {
public:
    InfoDemande(std::int32_t noDemande, ModeRejeu mode) : noDemande_(noDemande), mode_(mode) {}

    std::int32_t noDemande() const { return noDemande_; }
    ModeRejeu mode() const { return mode_; }
    bool doitAfficher() const { return ::doitAfficher(mode_); }
    bool estRejeu() const { return ::estRejeu(mode_); }

private:
    std::int32_t noDemande_;
    ModeRejeu mode_;
};
