#include "ai/Maitre_Critique.h"

#include <algorithm>

#include "ai/Maitre_PositionOuverte.h"
#include "ai/Maitre_Solveur.h"
#include "rules/Partie.h"
#include "rules/Siege.h"

namespace {

constexpr unsigned BITS_TABLE = 19;

bool estEntiere(const HistoriqueDesDonnes::Donne& donne) {
    if (donne.plis.size() != 9 || donne.multiplicateur <= 0 || donne.choisiPar < 0) return false;
    for (const CarteSet& main : donne.cartesJouees)
        if (main.size() != 9) return false;
    return true;
}

// What the team gets from here on when the seat to play puts this card: the points of the trick
// the card may close and the value of the position that follows. Only the two cards compared are
// solved, not every card of the hand.
int valeurApres(Partie partie, std::array<CarteSet, 4> mains, const Carte& carte, int equipe, Maitre_Solveur& solveur) {
    const int siege = partie.noDuProchainAJouer();
    const int avant = partie.getPointsEquipe(equipe);
    mains[siege].erase(carte);
    partie.joueCarte(carte, siege);
    const Maitre_PositionOuverte position = Maitre_PositionOuverte::depuis(partie, mains);
    const int pourLEquipe0 = solveur.resout(position);
    const int suite = equipe == 0 ? pourLEquipe0 : Maitre_Solveur::pointsRestants(position) - pourLEquipe0;
    return partie.getPointsEquipe(equipe) - avant + suite;
}

}  // namespace

std::optional<Maitre_Critique::Bilan> Maitre_Critique::critique(const HistoriqueDesDonnes::Donne& donne, int equipe,
                                                                const TypeDePartie& typeDePartie,
                                                                const Conseiller& conseiller,
                                                                const std::atomic<bool>& abandon,
                                                                std::uint64_t noeudsParCarte) {
    if (!estEntiere(donne)) return std::nullopt;
    const int premier = donne.plis.front().premier;
    Partie partie(donne.atout, CarteSet::complet(), premier, donne.choisiPar, donne.multiplicateur);
    std::array<CarteSet, 4> mains = donne.cartesJouees;
    // A seat's melds are cards of its hand; a record that said otherwise would mislead the sampling.
    Maitre_CeQuiAEteVu vu{premier, typeDePartie, {}, {}};
    for (int siege = 0; siege < 4; ++siege)
        for (const Carte& carte : donne.annoncesMontrees[siege])
            if (mains[siege].contient(carte)) vu.annoncees[siege].insert(carte);

    // First what the adviser would have played, card after card; then the solves, from the last
    // trick back to the first: the positions a later card leaves are among those an earlier card's
    // search meets, and the solver's table keeps them.
    struct AJuger {
        Partie partie;
        std::array<CarteSet, 4> mains;
        Ecart ecart;
    };
    std::vector<AJuger> aJuger;
    for (std::size_t numero = 0; numero < donne.plis.size(); ++numero) {
        for (int k = 0; k < 4; ++k) {
            const int siege = partie.noDuProchainAJouer();
            const Carte* jouee = donne.plis[numero].cartes[siege];
            const CarteSet jouables = partie.cartesJouables(mains[siege]);
            if (!jouee || !jouables.contient(*jouee)) return std::nullopt;
            if (siege::equipe(siege) == equipe && jouables.size() > 1) {
                const Carte* conseillee = conseiller(partie, mains[siege], vu);
                if (!conseillee || !jouables.contient(*conseillee) || abandon.load()) return std::nullopt;
                if (conseillee != jouee)
                    aJuger.push_back({partie, mains, {static_cast<int>(numero) + 1, siege, jouee, conseillee, 0}});
            }
            mains[siege].erase(*jouee);
            partie.joueCarte(*jouee, siege);
            vu.cartesJouees.push_back(static_cast<std::uint8_t>(jouee->getTag()));
        }
    }

    Maitre_Solveur solveur(BITS_TABLE);
    solveur.setArret([&abandon] { return abandon.load(std::memory_order_relaxed); });
    Bilan bilan;
    for (auto it = aJuger.rbegin(); it != aJuger.rend(); ++it) {
        solveur.remetCompteur();
        solveur.limiteNoeuds(noeudsParCarte);
        Ecart& ecart = it->ecart;
        ecart.perte = (valeurApres(it->partie, it->mains, *ecart.conseillee, equipe, solveur) -
                       valeurApres(it->partie, it->mains, *ecart.jouee, equipe, solveur)) *
                      donne.multiplicateur;
        if (abandon.load()) return std::nullopt;
        if (solveur.interrompu()) {
            ++bilan.nonJugees;
            ecart.perte = 0;
        }
    }
    for (const AJuger& carte : aJuger)
        if (carte.ecart.perte > 0) bilan.ecarts.push_back(carte.ecart);
    std::stable_sort(bilan.ecarts.begin(), bilan.ecarts.end(),
                     [](const Ecart& a, const Ecart& b) { return a.perte > b.perte; });
    return bilan;
}
