#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "ai/Maitre_CeQuiAEteVu.h"
#include "rules/CarteSet.h"
#include "rules/Partie.h"

// What the other seats' decisions tell of their hands: the trump choice or the chibre, and every
// card they played, each judged by the model of play (`Maitre_ModeleDeJeu`) on the hand a deal
// the master imagines gives them. The hand a seat held at a decision is its imagined hand with
// the cards it played since.
//
// A decision the model finds unlikely lowers a deal's weight, never to nothing: a seat may play
// in a way no model foresees, and what was seen must still be explained.
class Maitre_Indices {
public:
    // The least chance a decision is given, whatever the model says.
    static constexpr double PROBA_PLANCHER = 0.02;

    Maitre_Indices(const Partie& partie, int moi, const Maitre_CeQuiAEteVu& vu);

    // The logarithm of how likely the decisions seen were, had the seats held these hands (the
    // hands now, the master's own as it is).
    double logVraisemblance(const std::array<CarteSet, 4>& mains) const;
    // Nothing seen tells anything of the hidden hands.
    bool vide() const { return coups_.empty() && decisions_.empty(); }

private:
    // A card played by another seat: the deal just before it, and the cards that seat played
    // from then on, this one included.
    struct Coup {
        Partie avant;
        std::uint8_t tag;
        std::uint64_t ensuite;
    };
    // A trump decision of another seat: it passed, or it chose the deal's mode.
    struct Decision {
        int siege;
        bool passe;
        bool pouvaitPasser;
    };

    std::vector<Coup> coups_;
    std::vector<Decision> decisions_;
    // The cards each seat played in the deal.
    std::array<std::uint64_t, 4> jouees_{};
    Atout atout_;
    TypeDePartie typeDePartie_;
};
