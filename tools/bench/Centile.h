#pragma once

#include <algorithm>
#include <vector>

// The value below which that fraction of the measures lie (0.5 the median, 1 the worst).
inline double centile(std::vector<double> valeurs, double fraction) {
    std::sort(valeurs.begin(), valeurs.end());
    const std::size_t rang = static_cast<std::size_t>(fraction * static_cast<double>(valeurs.size() - 1) + 0.5);
    return valeurs[rang];
}
