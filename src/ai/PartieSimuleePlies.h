#pragma once

#include <cstdint>
#include <vector>

#include "rules/CarteSet.h"
#include "rules/Partie.h"

// A node of the trick-by-trick game tree: a position of a fully known deal. Developing the tree
// adds one card to every line still alive and then, at every node from the deepest up, prunes
// the alternatives that are worse for the seat choosing among them, so that only the best lines
// of every seat (and their equals) grow further.
//
// A node's values are seen by a team: what that team keeps of the deal (257 less what the other
// team took, multiplier included) and the cards it did not let go. A node takes the best or the
// worst of its children for team 1 by the team of the seat whose card created it; siblings are
// compared by the team of the seat that chooses among them.
class PartieSimuleePlies {
public:
    static constexpr std::int16_t VALEUR_ELIMINEE = -1000;

    // The root when `carte` is null (`joueurNo` is the seat to play), else the position after
    // `joueurNo` has played `carte`.
    PartieSimuleePlies(const CarteSet (&mains)[4], const Partie& partie, const Carte* carte, int joueurNo);
    virtual ~PartieSimuleePlies() = default;
    PartieSimuleePlies(PartieSimuleePlies&&) = default;
    PartieSimuleePlies& operator=(PartieSimuleePlies&&) = default;

    // Deepens every living line by one card and prunes again; a line grows only while the tree
    // may still make the nodes it needs, `noeudsPermis` counting down what it made. False when no
    // line could grow: every line has reached the end of the deal, or the nodes are used up.
    bool developpe(int& noeudsPermis);

    std::int16_t valeurEquipe1() const { return estEliminee_ ? VALEUR_ELIMINEE : valeurs_[0]; }
    std::int16_t valeurEquipe2() const { return estEliminee_ ? VALEUR_ELIMINEE : valeurs_[1]; }
    std::int16_t plisEquipe1() const { return estEliminee_ ? VALEUR_ELIMINEE : plis_[0]; }
    std::int16_t plisEquipe2() const { return estEliminee_ ? VALEUR_ELIMINEE : plis_[1]; }
    std::int16_t valeur() const { return equipe1_ ? valeurEquipe1() : valeurEquipe2(); }
    std::int16_t plis() const { return equipe1_ ? plisEquipe1() : plisEquipe2(); }

    // Whether `autre` is to be preferred to this node. With `departage`, equal values and cards
    // are told apart by the cards: a card that is not a trump is preferred; opening a trick the
    // stronger card, following the weaker.
    bool estMoinsBonneQue(const PartieSimuleePlies& autre, bool departage) const;
    // The child to play from the root; null, after an internal error, without one.
    const PartieSimuleePlies* partieChoisie() const;

    const Carte* carteChoisie() const { return carteChoisie_; }
    int nbEnfants() const { return static_cast<int>(parties_.size()); }
    const PartieSimuleePlies& enfant(int i) const { return parties_[static_cast<unsigned>(i)]; }
    bool estEliminee() const { return estEliminee_; }

private:
    void elague();
    void calculeValeurs();

    // Made together, side by side: the walks over the tree go from one sibling to the next.
    std::vector<PartieSimuleePlies> parties_;
    std::int16_t positionDernierePartieValide_ = -1;
    bool estFeuille_ = true;
    bool equipe1_;
    bool estEliminee_ = false;
    CarteSet mains_[4];
    Partie partie_;
    const Carte* carteChoisie_;
    // For team 1 and team 2, kept up to date as the tree changes below the node.
    std::int16_t valeurs_[2] = {};
    std::int16_t plis_[2] = {};
};
