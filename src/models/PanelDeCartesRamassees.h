#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "rules/Carte.h"

// One team's score box: the names of its two players, the goal (or the deals left in a
// competition), the current deal's points, the team's total, and below them the pile of the
// cards the team has won in the deal, face down.
class PanelDeCartesRamassees {
public:
    static constexpr int LARGEUR = 130;
    static constexpr int HAUTEUR_LIBELLE = 14;
    static constexpr int NB_LIBELLES = 6;
    static constexpr int HAUTEUR_LIBELLES = NB_LIBELLES * HAUTEUR_LIBELLE;
    static constexpr int HAUTEUR_CARTES = 129;
    static constexpr int HAUTEUR = HAUTEUR_LIBELLES + HAUTEUR_CARTES;
    // The goal the table sets for a competition, which ends after a number of deals instead.
    static constexpr std::int32_t SCORE_MAXI_CONCOURS = 100000;

    // The six labels from the top; the first three are centred, the others left-aligned.
    enum Libelle { Nom1, Nom2, Vide, LigneTour, LigneTotal, LigneMaxi };

    // A won card in the lower area, at (left, top) within it.
    struct CarteRamassee {
        const Carte* carte;
        int left;
        int top;
    };

    void afficheEquipe(const std::string& nom1, const std::string& nom2, std::int32_t scoreMaxi, std::int32_t nbRestant);
    // Points already multiplied; total is the team's total before this deal.
    void affichePoints(std::int32_t pointsDonne, std::int32_t pointsAnnonces, std::int32_t total,
                       std::int32_t multiplicateur);
    // At the end of the game the total line gives the final score, the last deal included.
    void afficheScoreFinal(std::int32_t score);
    void ajouteCarte(const Carte& carte);
    void vide();

    const std::array<std::string, NB_LIBELLES>& libelles() const { return libelles_; }
    // In the order they were added, so each lies in front of the ones before it.
    const std::vector<CarteRamassee>& cartes() const { return cartes_; }

    std::function<void()> changement;

private:
    void signale() const;

    std::array<std::string, NB_LIBELLES> libelles_;
    std::vector<CarteRamassee> cartes_;
};
