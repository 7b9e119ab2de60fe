#pragma once

#include <cstdint>
#include <vector>

#include "rules/CarteSet.h"
#include "rules/Partie.h"

class AI_HistoEvaluationCarte;
class KnuthRandom;

// The search tree with which the evaluation-based player judges a candidate card. The root is
// the position right after the candidate, with the four hands of one simulated deal. Each
// deepening gives every surviving leaf one child per playable card of the seat to play; when a
// card closes a trick, the seat that plays it keeps only its best closing cards. The surviving
// leaves are then played to the end of the deal at random, each giving one sample: the final
// points of the evaluating team.
//
// The nodes of all trees live in one pool of the program, reused from one tree to the next, so
// that a search allocates nothing once the pool has grown to the largest tree. The children of
// a node are created together and so lie side by side in it. One tree is searched at a time.
class AI_Simulation {
public:
    // One position of the tree.
    struct Noeud {
        Noeud(const CarteSet (&mains)[4], const Partie& partie, const Carte& carte, int noJoueur, bool jouer);

        Partie partie_;
        CarteSet mains_[4];
        std::int32_t premierEnfant_ = -1;
        std::int32_t suivant_ = -1;  // next member of the group of equivalent siblings
        std::int16_t nbEnfants_ = -1;
        std::uint8_t carteChoisie_;  // tag of the card that produced the node
        bool nouveau_ = true;        // a leaf until its first expansion
        bool equipe1_;               // the card that produced it was played by seat 0 or 2
        bool elimine_ = false;
    };

    // The root: the candidate card is already played in `partie`.
    AI_Simulation(const CarteSet (&mains)[4], const Partie& partie, const Carte& carte, KnuthRandom& aleatoire,
                  int noJoueur, AI_HistoEvaluationCarte& histo);
    ~AI_Simulation();
    AI_Simulation(const AI_Simulation&) = delete;
    AI_Simulation& operator=(const AI_Simulation&) = delete;

    // Expands every surviving leaf by one card.
    void approfondit() { approfondit(racine_); }
    // Plays every surviving leaf to the end and records its sample.
    void joueAuHasard() { joueAuHasard(racine_); }
    // The child nodes that exist, the root not counted.
    int nbNoeuds() const { return static_cast<int>(pool().size()) - racine_ - 1; }

    // Whether sibling a is worse than sibling b for the team that played them: it brings that
    // team fewer won cards, or as many and fewer points.
    static bool estPire(const Noeud& a, const Noeud& b);

    const Noeud& noeud(int index) const { return pool()[static_cast<unsigned>(index)]; }
    // Bytes the pool of nodes holds, shared by every player of the program.
    static std::size_t memoirePartagee() { return pool().capacity() * sizeof(Noeud); }
    int racine() const { return racine_; }

private:
    static std::vector<Noeud>& pool();
    void approfondit(int index);
    void developpe(int index);
    void compare(int parent);
    void joueAuHasard(int index);

    std::int32_t racine_;
    KnuthRandom& aleatoire_;
    AI_HistoEvaluationCarte& histo_;
};
