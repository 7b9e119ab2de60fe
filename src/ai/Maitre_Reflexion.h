#pragma once

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <vector>

#include "ai/Maitre_ArretDeSecurite.h"
#include "ai/Maitre_CeQuiAEteVu.h"
#include "ai/Maitre_Croyances.h"
#include "rules/CarteSet.h"
#include "rules/Partie.h"

class KnuthRandom;
class Maitre_Solveur;

// The master's reasoning about one card, on a copy of everything it needs: it may run on another
// thread while the table waits, and gives the same answer for the same situation and generator
// state wherever it runs.
//
// The work is counted, not timed: nodes of the open-hand search, and a fixed cost for each sample
// judged by the evaluation-based engine, within one budget sized so a decision stays near a
// second on a loaded machine. The wall clock is only a safety stop, should the machine be far
// slower than the budget assumes; then the samples judged so far decide.
class Maitre_Reflexion {
public:
    static constexpr std::uint64_t TRAVAIL_PAR_DECISION = 6000000;
    // A sample judged by the evaluation-based engine counts like that many nodes (about as long).
    static constexpr std::uint64_t TRAVAIL_D_UN_VOTE = 600000;
    static constexpr int ECHANTILLONS_MAX = 96;
    static constexpr int VOTES_MAX = 24;
    static constexpr int ARRET_DE_SECURITE_MS = 1300;
    // Before the third trick the exact values of every card of a sample cost a third of a second
    // to seconds: the samples are judged by the evaluation-based engine, which plays each as it
    // would the real deal, and vote. From the third trick on they cost milliseconds to a few
    // tenths of a second.
    static constexpr int PLIS_AVANT_LA_RECHERCHE_EXACTE = 2;

    struct Resultat {
        int choix = -1;  // tag of the card to play
        bool parVote = false;
        int echantillons = 0;
        std::uint64_t travail = 0;
        bool arretDeSecurite = false;
        // Exact search: for each tag, the sum and the sum of squares of its values, and each value.
        std::array<double, 36> somme{}, carres{};
        std::array<std::vector<int>, 36> valeurs;
        // Votes: how many samples chose each tag.
        std::array<int, 36> votes{};
        // How often each seat held each card in the samples.
        std::array<std::array<int, 36>, 4> tenues{};
        // The deals imagined, and how many distinct ones among them the samples used.
        int donnesImaginees = 0;
        int donnesDistinctes = 0;
    };

    using Horloge = Maitre_ArretDeSecurite::Horloge;

    Maitre_Reflexion(const Partie& partie, int moi, CarteSet main, const Maitre_CeQuiAEteVu& vu, bool departAtoutPlusHaut);

    // `abandon` ends the work at once (the table that asked is gone); `horloge` reads the time
    // the safety stop counts in.
    Resultat reflechit(KnuthRandom& aleatoire, Maitre_Solveur& solveur, const std::atomic<bool>& abandon,
                       Horloge horloge) const;

    CarteSet jouables() const { return jouables_; }
    const Partie& partie() const { return partie_; }

private:
    void parRechercheExacte(KnuthRandom& aleatoire, Maitre_Solveur& solveur, const std::atomic<bool>& abandon,
                            Resultat& resultat) const;
    void parVote(KnuthRandom& aleatoire, const std::atomic<bool>& abandon, Horloge horloge,
                 std::chrono::steady_clock::time_point debut, Resultat& resultat) const;
    void compteTenues(const std::array<CarteSet, 4>& mains, Resultat& resultat) const;
    static void compteDonnes(const Maitre_Croyances::Tirage& tirage, Resultat& resultat);

    Partie partie_;
    int moi_;
    CarteSet jouables_;
    int joueurDoitChoisirAtout_;
    Maitre_Croyances croyances_;
    bool departAtoutPlusHaut_;
};
