#include "ai/Maitre_PositionOuverte.h"

#include "rules/Partie.h"

Maitre_PositionOuverte Maitre_PositionOuverte::depuis(const Partie& partie, const std::array<CarteSet, 4>& mains) {
    Maitre_PositionOuverte position;
    for (int siege = 0; siege < 4; ++siege) position.mains[siege] = mains[siege].masque();
    position.meneur = static_cast<std::uint8_t>(partie.getJoueurQuiACommence());
    position.nbCartesPli = static_cast<std::uint8_t>(partie.nbCartesJouees() % 4);
    for (int k = 0; k < position.nbCartesPli; ++k)
        position.pli[k] = static_cast<std::uint8_t>(partie.getCarteJoueePar((position.meneur + k) & 3)->getTag());
    position.plisFaits = static_cast<std::uint8_t>(partie.nbCartesJouees() / 4);
    position.toutPris = static_cast<std::uint8_t>((partie.getCartesRamasseesEq2() == 0 ? 1 : 0) |
                                                  (partie.getCartesRamasseesEq1() == 0 ? 2 : 0));
    position.atout = partie.atoutChoisi();
    return position;
}

Maitre_PositionOuverte Maitre_PositionOuverte::depart(Atout atout, const std::array<CarteSet, 4>& mains, int premier) {
    Maitre_PositionOuverte position;
    for (int siege = 0; siege < 4; ++siege) position.mains[siege] = mains[siege].masque();
    position.meneur = static_cast<std::uint8_t>(premier & 3);
    position.atout = atout;
    return position;
}

Atout Maitre_PositionOuverte::atoutDuPli() const {
    if (atout != Atout::ZigZag) return atout;
    return plisFaits % 2 == 0 ? Atout::BasEnHaut : Atout::HautEnBas;
}
