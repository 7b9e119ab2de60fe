#include "ai/AI_Simulation.h"

#include <algorithm>
#include <bit>

#include "ai/AI_HistoEvaluationCarte.h"
#include "platform/Assertion.h"
#include "rules/KnuthRandom.h"

namespace {

// The bit of the card met at place k (from 0) when going through the set in tag order.
std::uint64_t kiemeBit(std::uint64_t masque, int k) {
    for (int i = 0; i < k; ++i) masque &= masque - 1;
    return masque & (~masque + 1);
}

int cartesEquipe(const Partie& partie, bool equipe1) {
    return equipe1 ? partie.getCartesRamasseesEq1() : partie.getCartesRamasseesEq2();
}

int pointsEquipe(const Partie& partie, bool equipe1) {
    return equipe1 ? partie.getPointsEquipe1() : partie.getPointsEquipe2();
}

}  // namespace

AI_Simulation::Noeud::Noeud(const CarteSet (&mains)[4], const Partie& partie, const Carte& carte, int noJoueur,
                            bool jouer)
    : partie_(partie),
      mains_{mains[0], mains[1], mains[2], mains[3]},
      carteChoisie_(static_cast<std::uint8_t>(carte.getTag())),
      equipe1_(noJoueur == 0 || noJoueur == 2) {
    if (!jouer) return;
    const int joueur = partie_.noDuProchainAJouer();
    partie_.joueCarte(carte, joueur);
    mains_[joueur].erase(carte);
}

std::vector<AI_Simulation::Noeud>& AI_Simulation::pool() {
    static thread_local std::vector<Noeud> noeuds;
    return noeuds;
}

AI_Simulation::AI_Simulation(const CarteSet (&mains)[4], const Partie& partie, const Carte& carte,
                             KnuthRandom& aleatoire, int noJoueur, AI_HistoEvaluationCarte& histo)
    : racine_(static_cast<std::int32_t>(pool().size())), aleatoire_(aleatoire), histo_(histo) {
    pool().emplace_back(mains, partie, carte, noJoueur, false);
}

AI_Simulation::~AI_Simulation() {
    std::vector<Noeud>& noeuds = pool();
    noeuds.erase(noeuds.begin() + racine_, noeuds.end());
}

bool AI_Simulation::estPire(const Noeud& a, const Noeud& b) {
    if (b.elimine_) return false;
    if (a.elimine_) return true;
    const bool equipe1 = a.equipe1_;
    const int cartesA = cartesEquipe(a.partie_, equipe1);
    const int cartesB = cartesEquipe(b.partie_, equipe1);
    if (cartesA != cartesB) return cartesA < cartesB;
    return pointsEquipe(a.partie_, equipe1) < pointsEquipe(b.partie_, equipe1);
}

void AI_Simulation::approfondit(int index) {
    std::vector<Noeud>& noeuds = pool();
    if (noeuds[static_cast<unsigned>(index)].partie_.estTerminee()) return;
    if (noeuds[static_cast<unsigned>(index)].nouveau_) {
        developpe(index);
        compare(index);
        noeuds[static_cast<unsigned>(index)].nouveau_ = false;
        return;
    }
    // Growing a child may move the pool: read the node afresh each time.
    const int premier = noeuds[static_cast<unsigned>(index)].premierEnfant_;
    const int fin = premier + noeuds[static_cast<unsigned>(index)].nbEnfants_;
    for (int enfant = premier; enfant < fin; ++enfant)
        if (!noeuds[static_cast<unsigned>(enfant)].elimine_) approfondit(enfant);
}

// One child per playable card of the seat to play, in tag order.
void AI_Simulation::developpe(int index) {
    std::vector<Noeud>& noeuds = pool();
    {
        const Noeud& parent = noeuds[static_cast<unsigned>(index)];
        const int joueur = parent.partie_.noDuProchainAJouer();
        const std::size_t nbJouables = parent.partie_.cartesJouables(parent.mains_[joueur]).size();
        if (noeuds.capacity() < noeuds.size() + nbJouables)
            noeuds.reserve(std::max(2 * noeuds.capacity(), noeuds.size() + nbJouables));
    }
    Noeud& parent = noeuds[static_cast<unsigned>(index)];
    const int joueur = parent.partie_.noDuProchainAJouer();
    const CarteSet jouables = parent.partie_.cartesJouables(parent.mains_[joueur]);
    parent.nbEnfants_ = 0;
    parent.premierEnfant_ = static_cast<std::int32_t>(noeuds.size());
    for (const Carte& carte : jouables) {
        noeuds.emplace_back(parent.mains_, parent.partie_, carte, joueur, true);
        ++parent.nbEnfants_;
    }
}

// The fresh children of a node, in order: each is kept with the best so far when it is as good,
// replaces the whole group of the best when it is better, and is pruned when it is worse.
void AI_Simulation::compare(int parent) {
    std::vector<Noeud>& noeuds = pool();
    const int premier = noeuds[static_cast<unsigned>(parent)].premierEnfant_;
    const int fin = premier + noeuds[static_cast<unsigned>(parent)].nbEnfants_;
    int meilleur = -1;
    for (int index = premier; index < fin; ++index) {
        Noeud& enfant = noeuds[static_cast<unsigned>(index)];
        if (enfant.elimine_) continue;
        if (meilleur == -1) {
            meilleur = index;
            enfant.suivant_ = -1;
            continue;
        }
        Noeud& tete = noeuds[static_cast<unsigned>(meilleur)];
        if (estPire(tete, enfant)) {
            for (int membre = meilleur; membre != -1;) {
                Noeud& elimine = noeuds[static_cast<unsigned>(membre)];
                membre = elimine.suivant_;
                elimine.elimine_ = true;
                elimine.suivant_ = -1;
            }
            meilleur = index;
            enfant.suivant_ = -1;
        } else if (estPire(enfant, tete)) {
            enfant.elimine_ = true;
        } else {
            enfant.suivant_ = tete.suivant_;
            tete.suivant_ = index;
        }
    }
}

void AI_Simulation::joueAuHasard(int index) {
    const Noeud& noeud = pool()[static_cast<unsigned>(index)];
    if (!noeud.nouveau_) {
        const int fin = noeud.premierEnfant_ + noeud.nbEnfants_;
        for (int enfant = noeud.premierEnfant_; enfant < fin; ++enfant)
            if (!pool()[static_cast<unsigned>(enfant)].elimine_) joueAuHasard(enfant);
        return;
    }
    Partie partie = noeud.partie_;
    std::uint64_t mains[4] = {noeud.mains_[0].masque(), noeud.mains_[1].masque(), noeud.mains_[2].masque(),
                              noeud.mains_[3].masque()};
    while (!partie.estTerminee()) {
        const int joueur = partie.noDuProchainAJouer();
        const std::uint64_t main = mains[joueur];
        const std::uint64_t jouables = partie.cartesJouables(CarteSet::depuisMasque(main)).masque();
        const int taille = std::popcount(main);
        TW_ASSERT(taille > 0, "AI_Simulation");
        if (taille == 0) return;
        // Drawn among the whole hand until the card may be played, so that the generator is
        // used exactly as the card-by-card verdicts would use it.
        std::uint64_t bit;
        do bit = kiemeBit(main, aleatoire_.tire(taille));
        while (!(bit & jouables));
        mains[joueur] = main & ~bit;
        partie.joueCarte(Carte::parTag(static_cast<unsigned>(std::countr_zero(bit))), joueur);
    }
    histo_.ajoute(pointsEquipe(partie, histo_.estEquipe1()));
}
