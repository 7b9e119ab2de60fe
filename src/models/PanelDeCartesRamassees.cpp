#include "models/PanelDeCartesRamassees.h"

#include "platform/TableDesTextes.h"
#include "models/DimensionsCarte.h"

namespace {

// Texts of the string table used here.
enum IdTexte {
    ID_LIGNE_MAXI = 2305,
    ID_LIGNE_TOUR = 2306,
    ID_LIGNE_TOTAL = 2307,
    ID_LIGNE_NB_RESTANT = 2308,
    ID_LIGNE_SCORE_FINAL = 2309,
};

constexpr int TOP_PREMIERE_CARTE = 2;
constexpr int DECALAGE_PILE = 2;
// Each step of depth is four cards further down the pile than the one before, so the pile
// thickens quickly at first and slowly once the deal is well under way.
constexpr std::size_t CARTES_PAR_PAS = 4;
}  // namespace

void PanelDeCartesRamassees::afficheEquipe(const std::string& nom1, const std::string& nom2, std::int32_t scoreMaxi,
                                           std::int32_t nbRestant) {
    libelles_[Nom1] = nom1;
    libelles_[Nom2] = nom2;
    libelles_[LigneMaxi] = scoreMaxi == SCORE_MAXI_CONCOURS ? formate(ID_LIGNE_NB_RESTANT, nbRestant) : formate(ID_LIGNE_MAXI, scoreMaxi);
    signale();
}

void PanelDeCartesRamassees::affichePoints(std::int32_t pointsDonne, std::int32_t pointsAnnonces, std::int32_t total,
                                           std::int32_t multiplicateur) {
    libelles_[LigneTour] = formate(ID_LIGNE_TOUR, pointsDonne, pointsAnnonces, multiplicateur);
    libelles_[LigneTotal] = formate(ID_LIGNE_TOTAL, total);
    signale();
}

void PanelDeCartesRamassees::afficheScoreFinal(std::int32_t score) {
    libelles_[LigneTotal] = formate(ID_LIGNE_SCORE_FINAL, score);
    signale();
}

void PanelDeCartesRamassees::ajouteCarte(const Carte& carte) {
    const std::size_t n = cartes_.size();
    const int top = n == 0 ? TOP_PREMIERE_CARTE : cartes_[(n - 1) / CARTES_PAR_PAS].top + DECALAGE_PILE;
    cartes_.push_back({&carte, (LARGEUR - LARGEUR_CARTE) / 2, top});
    signale();
}

void PanelDeCartesRamassees::vide() {
    cartes_.clear();
    signale();
}

void PanelDeCartesRamassees::signale() const {
    if (changement) changement();
}
