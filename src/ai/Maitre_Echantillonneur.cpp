#include "ai/Maitre_Echantillonneur.h"

#include <bit>

#include "rules/Partie.h"
#include "rules/KnuthRandom.h"
#include "rules/TablesDesCartes.h"

namespace {

// Whether the cards left, counted by the set of seats that may take each, all find room: for
// every group of seats, the cards that only they may take must fit in their hands (Hall).
bool placables(const std::array<int, 16>& parSieges, const std::array<int, 4>& places) {
    for (unsigned groupe = 1; groupe < 16; ++groupe) {
        int cartes = 0, room = 0;
        for (unsigned sieges = 1; sieges < 16; ++sieges)
            if ((sieges & ~groupe) == 0) cartes += parSieges[sieges];
        for (int siege = 0; siege < 4; ++siege)
            if (groupe & (1u << siege)) room += places[siege];
        if (cartes > room) return false;
    }
    return true;
}

}  // namespace

Maitre_Echantillonneur::Maitre_Echantillonneur(const Partie& partie, int moi, CarteSet maMain,
                                               const std::array<CarteSet, 4>& annoncees)
    : moi_(moi & 3) {
    const std::uint64_t nonVues = partie.getCartesEnJeu().masque() & ~maMain.masque();
    const int plisFaits = static_cast<int>(partie.nbCartesJouees() / 4);
    const Atout atout = partie.atoutChoisi();
    for (int siege = 0; siege < 4; ++siege) {
        tailles_[siege] = 9 - plisFaits - (partie.getCarteJoueePar(siege) ? 1 : 0);
        if (siege == moi_) {
            certaines_[siege] = possibles_[siege] = maMain.masque();
            continue;
        }
        certaines_[siege] = annoncees[siege].masque() & nonVues;
        std::uint64_t possibles = nonVues;
        for (int couleur = Carte::Trefle; couleur <= Carte::Coeur; ++couleur) {
            if (!partie.nAPlusLaCouleur(siege, couleur)) continue;
            possibles &= ~tables::masqueCouleur(couleur);
            if (couleur == valeur(atout)) possibles |= nonVues & (std::uint64_t{1} << Carte::tagDe(Carte::Couleur(couleur), Carte::Valet));
        }
        possibles_[siege] = possibles;
    }
    // A card announced by one seat is in no other hand.
    for (int siege = 0; siege < 4; ++siege)
        for (int autre = 0; autre < 4; ++autre)
            if (autre != siege) possibles_[autre] &= ~certaines_[siege];
    for (int siege = 0; siege < 4; ++siege) possibles_[siege] |= certaines_[siege];
}

std::array<CarteSet, 4> Maitre_Echantillonneur::tire(KnuthRandom& aleatoire) const {
    std::array<std::uint64_t, 4> mains = certaines_;
    std::array<int, 4> places{};
    std::uint64_t aPlacer = 0;
    for (int siege = 0; siege < 4; ++siege) {
        places[siege] = siege == moi_ ? 0 : tailles_[siege] - std::popcount(certaines_[siege]);
        if (siege != moi_) aPlacer |= possibles_[siege] & ~certaines_[siege];
    }
    for (int siege = 0; siege < 4; ++siege) aPlacer &= ~certaines_[siege];

    // The cards in a random order, each with the seats that may take it.
    std::array<std::uint8_t, 36> cartes;
    int n = 0;
    for (std::uint64_t reste = aPlacer; reste; reste &= reste - 1) cartes[n++] = static_cast<std::uint8_t>(std::countr_zero(reste));
    for (int i = n - 1; i > 0; --i) std::swap(cartes[i], cartes[aleatoire.tire(i + 1)]);
    auto siegesPossibles = [&](int tag) {
        unsigned sieges = 0;
        for (int siege = 0; siege < 4; ++siege)
            if (siege != moi_ && (possibles_[siege] >> tag & 1)) sieges |= 1u << siege;
        return sieges;
    };
    std::array<int, 16> parSieges{};
    for (int i = 0; i < n; ++i) ++parSieges[siegesPossibles(cartes[i])];

    for (int i = 0; i < n; ++i) {
        const int tag = cartes[i];
        const unsigned sieges = siegesPossibles(tag);
        --parSieges[sieges];
        std::array<int, 4> poids{};
        int total = 0;
        for (int siege = 0; siege < 4; ++siege) {
            if (!(sieges & (1u << siege)) || places[siege] == 0) continue;
            --places[siege];
            if (placables(parSieges, places)) poids[siege] = places[siege] + 1;
            ++places[siege];
            total += poids[siege];
        }
        // What was seen cannot contradict itself; should it, the card still goes to a seat with room.
        if (total == 0)
            for (int siege = 0; siege < 4; ++siege)
                if (siege != moi_ && places[siege] > 0) total += poids[siege] = 1;
        int tirage = aleatoire.tire(total);
        int siege = 0;
        while (tirage >= poids[siege]) tirage -= poids[siege++];
        mains[siege] |= std::uint64_t{1} << tag;
        --places[siege];
    }
    std::array<CarteSet, 4> result;
    for (int siege = 0; siege < 4; ++siege) result[siege] = CarteSet::depuisMasque(mains[siege]);
    return result;
}
