#pragma once

#include <array>
#include <cstdint>
#include <map>

#include "rules/Carte.h"

// For every card, how often each sample value was recorded for it.
class AI_ValeursEvaluation {
public:
    void ajoute(const Carte& carte, double valeur) { ++occurrences_[carte.getTag()][valeur]; }
    // An absent value is entered with no occurrence.
    std::int32_t compte(const Carte& carte, double valeur) { return occurrences_[carte.getTag()][valeur]; }
    int size(const Carte& carte) const { return static_cast<int>(occurrences_[carte.getTag()].size()); }

private:
    std::array<std::map<double, std::int32_t>, Carte::NB_CARTES> occurrences_;
};
