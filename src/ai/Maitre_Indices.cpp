#include "ai/Maitre_Indices.h"

#include <algorithm>
#include <cmath>

#include "ai/Maitre_ModeleDeJeu.h"

Maitre_Indices::Maitre_Indices(const Partie& partie, int moi, const Maitre_CeQuiAEteVu& vu)
    : atout_(partie.atoutChoisi()), typeDePartie_(vu.typeDePartie) {
    moi &= 3;
    const int premier = vu.joueurDoitChoisirAtout & 3;
    const int choisisseur = partie.getJoueurQuiAFaitAtout();

    // The deal played again from its first card, to know each card's seat and the trick it fell in.
    Partie rejouee(partie.atoutChoisi(), CarteSet::complet(), premier, choisisseur, partie.getMultiplicateur());
    std::vector<int> sieges;
    for (const std::uint8_t tag : vu.cartesJouees) {
        if (tag >= Carte::NB_CARTES || rejouee.estTerminee() || rejouee.getCartesDejaJouees().contient(Carte::parTag(tag)))
            break;
        const int siege = rejouee.noDuProchainAJouer();
        jouees_[siege] |= std::uint64_t{1} << tag;
        if (siege != moi) {
            coups_.push_back({rejouee, tag, 0});
            sieges.push_back(siege);
        }
        rejouee.joueCarte(Carte::parTag(tag), siege);
    }
    // A record that does not lead to the deal as it stands (a master that came in during the deal)
    // tells nothing.
    if (rejouee.getCartesDejaJouees() != partie.getCartesDejaJouees() ||
        rejouee.noDuProchainAJouer() != partie.noDuProchainAJouer()) {
        coups_.clear();
        return;
    }
    std::array<std::uint64_t, 4> ensuite{};
    for (std::size_t k = coups_.size(); k-- > 0;) {
        ensuite[sieges[k]] |= std::uint64_t{1} << coups_[k].tag;
        coups_[k].ensuite = ensuite[sieges[k]];
    }

    if (!typeDePartie_.estValide()) return;
    if (premier != choisisseur && premier != moi) decisions_.push_back({premier, true, true});
    if (choisisseur != moi) decisions_.push_back({choisisseur, false, premier == choisisseur});
}

double Maitre_Indices::logVraisemblance(const std::array<CarteSet, 4>& mains) const {
    const auto logProba = [](double proba) { return std::log(std::max(PROBA_PLANCHER, proba)); };
    double somme = 0;
    for (const Decision& decision : decisions_) {
        const CarteSet main = CarteSet::depuisMasque(mains[decision.siege].masque() | jouees_[decision.siege]);
        if (main.size() != 9) continue;
        somme += logProba(decision.passe ? Maitre_ModeleDeJeu::probaChibre(main, typeDePartie_)
                                         : Maitre_ModeleDeJeu::probaAtout(main, atout_, decision.pouvaitPasser, typeDePartie_));
    }
    for (const Coup& coup : coups_) {
        const int siege = coup.avant.noDuProchainAJouer();
        const CarteSet main = CarteSet::depuisMasque(mains[siege].masque() | coup.ensuite);
        somme += logProba(Maitre_ModeleDeJeu::probaCarte(coup.avant, main, Carte::parTag(coup.tag)));
    }
    return somme;
}
