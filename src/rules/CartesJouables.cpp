#include "rules/CartesJouables.h"

#include <array>

#include "rules/Carte.h"
#include "rules/TablesDesCartes.h"

namespace {

// For each trump strength 0 to 9, the ranks (bit 0 = Six ... bit 8 = As) of the trumps above it.
constexpr std::array<std::uint64_t, 10> atoutsPlusFortsQue = [] {
    std::array<std::uint64_t, 10> table{};
    for (int force = 0; force <= 9; ++force)
        for (int rang = 0; rang < 9; ++rang)
            if (tables::forceAtout[rang] > force) table[force] |= std::uint64_t{1} << rang;
    return table;
}();

}  // namespace

std::uint64_t cartesJouables(std::uint64_t main, int couleurDemandee, Atout atout, int forcePlusFortAtout) {
    if (couleurDemandee == 0) return main;
    const int couleurAtout = valeur(atout);
    const std::uint64_t demandee = main & tables::masqueCouleur(couleurDemandee);

    if (couleurDemandee == couleurAtout) {
        // Trump led: follow with a trump, unless the only one held is the Valet, which may be kept.
        const std::uint64_t bour = std::uint64_t{1} << Carte::tagDe(Carte::Couleur(couleurAtout), Carte::Valet);
        return demandee == 0 || demandee == bour ? main : demandee;
    }

    const std::uint64_t masqueAtout = tables::masqueCouleur(couleurAtout);
    const std::uint64_t horsAtout = main & ~masqueAtout;
    const std::uint64_t atouts = main & masqueAtout;
    const std::uint64_t sansAtout = demandee ? demandee : horsAtout;
    if (!atouts) return sansAtout;
    if (forcePlusFortAtout == 0) return sansAtout | atouts;
    const std::uint64_t surCoupe = atouts & (atoutsPlusFortsQue[forcePlusFortAtout] << (9 * (couleurAtout - 1)));
    // Undertrumping is allowed only when every card held is a weaker trump.
    if (horsAtout || surCoupe) return sansAtout | surCoupe;
    return main;
}
