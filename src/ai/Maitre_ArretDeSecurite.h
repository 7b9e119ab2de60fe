#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>

class Maitre_Solveur;

// The limits of the master's search for one decision: the work it may do, counted in nodes, and
// the wall-clock safety stop, should the machine be far slower than the budget assumes. While it
// lives, the solver gives up past its node budget, once the clock has run past the delay since
// `debut`, or when `abandon` says the table that asked is gone.
class Maitre_ArretDeSecurite {
public:
    using Horloge = std::chrono::steady_clock::time_point (*)();

    Maitre_ArretDeSecurite(Maitre_Solveur& solveur, std::uint64_t noeudsMax, const std::atomic<bool>& abandon,
                           Horloge horloge, std::chrono::steady_clock::time_point debut, std::chrono::milliseconds delai);
    ~Maitre_ArretDeSecurite();
    Maitre_ArretDeSecurite(const Maitre_ArretDeSecurite&) = delete;
    Maitre_ArretDeSecurite& operator=(const Maitre_ArretDeSecurite&) = delete;

    // The clock stopped the search.
    bool horsDelai() const { return horsDelai_; }

private:
    Maitre_Solveur& solveur_;
    bool horsDelai_ = false;
};
