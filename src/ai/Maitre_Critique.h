#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "ai/Maitre_CeQuiAEteVu.h"
#include "models/HistoriqueDesDonnes.h"

class Carte;
class Partie;

// The coach's look back at a deal that ended: where a team's cards lost points against what the
// master would have played. For each card of the team that was a choice, the adviser (the master,
// `Maitre_Conseil`) says what it would have played from what the seat knew then; the open-hand
// solver then values both cards with the true hands, and what the adviser's card was worth more
// is the loss, in the deal's multiplied points. Every solve has a node budget: a card whose solve
// runs past it is counted as not judged rather than waited for.
class Maitre_Critique {
public:
    // For the two cards compared: about a second and a half of a loaded machine. From the first
    // tricks a deal may need far more.
    static constexpr std::uint64_t NOEUDS_PAR_CARTE = 10'000'000;

    // The card for the seat to play, from the deal so far, the seat's hand and what it saw; none to
    // give up.
    using Conseiller = std::function<const Carte*(const Partie& partie, CarteSet main, const Maitre_CeQuiAEteVu& vu)>;

    struct Ecart {
        int pli = 0;  // 1 to 9
        int siege = -1;
        const Carte* jouee = nullptr;
        const Carte* conseillee = nullptr;
        int perte = 0;  // multiplied, > 0
    };
    struct Bilan {
        std::vector<Ecart> ecarts;  // the costliest first; in the order of play between equals
        int nonJugees = 0;          // cards whose solve ran past its budget
    };

    // `typeDePartie`: the variant the deal was played in. Nothing when the deal is not whole (nine
    // tricks with every card, as the rules allow them), or when the adviser gave up or `abandon`
    // was set.
    static std::optional<Bilan> critique(const HistoriqueDesDonnes::Donne& donne, int equipe,
                                         const TypeDePartie& typeDePartie, const Conseiller& conseiller,
                                         const std::atomic<bool>& abandon,
                                         std::uint64_t noeudsParCarte = NOEUDS_PAR_CARTE);
};
