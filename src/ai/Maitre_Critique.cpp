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
                                                                const Conseiller& conseiller,
                                                                const std::atomic<bool>& abandon,
                                                                std::uint64_t noeudsParCarte) {
    if (!estEntiere(donne)) return std::nullopt;
    const int premier = donne.plis.front().premier;
    Partie partie(donne.atout, CarteSet::complet(), premier, donne.choisiPar, donne.multiplicateur);
    std::array<CarteSet, 4> mains = donne.cartesJouees;
    // A seat's melds are cards of its hand; a record that said otherwise would mislead the sampling.
    std::array<CarteSet, 4> annoncees;
    for (int siege = 0; siege < 4; ++siege)
        for (const Carte& carte : donne.annoncesMontrees[siege])
            if (mains[siege].contient(carte)) annoncees[siege].insert(carte);

    Maitre_Solveur solveur(BITS_TABLE);
    solveur.setArret([&abandon] { return abandon.load(std::memory_order_relaxed); });
    Bilan bilan;
    for (std::size_t numero = 0; numero < donne.plis.size(); ++numero) {
        for (int k = 0; k < 4; ++k) {
            const int siege = partie.noDuProchainAJouer();
            const Carte* jouee = donne.plis[numero].cartes[siege];
            const CarteSet jouables = partie.cartesJouables(mains[siege]);
            if (!jouee || !jouables.contient(*jouee)) return std::nullopt;
            if (siege::equipe(siege) == equipe && jouables.size() > 1) {
                const Carte* conseillee = conseiller(partie, premier, mains[siege], annoncees);
                if (!conseillee || !jouables.contient(*conseillee) || abandon.load()) return std::nullopt;
                if (conseillee != jouee) {
                    solveur.remetCompteur();
                    solveur.limiteNoeuds(noeudsParCarte);
                    const int perte = (valeurApres(partie, mains, *conseillee, equipe, solveur) -
                                       valeurApres(partie, mains, *jouee, equipe, solveur)) *
                                      donne.multiplicateur;
                    if (abandon.load()) return std::nullopt;
                    if (solveur.interrompu())
                        ++bilan.nonJugees;
                    else if (perte > 0)
                        bilan.ecarts.push_back({static_cast<int>(numero) + 1, siege, jouee, conseillee, perte});
                }
            }
            mains[siege].erase(*jouee);
            partie.joueCarte(*jouee, siege);
        }
    }
    std::stable_sort(bilan.ecarts.begin(), bilan.ecarts.end(),
                     [](const Ecart& a, const Ecart& b) { return a.perte > b.perte; });
    return bilan;
}
