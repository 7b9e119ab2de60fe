#pragma once

#include <optional>

#include "ai/DistributionProbableDesCartes.h"
#include "ai/JoueurCalculateur.h"

// What the simulating computer players (races 1 to 4) share: they weigh their hand to choose
// trump or chibre, announce all their melds, lead with their highest trump when their habit and
// their team's choice call for it, and otherwise choose each card by simulating deals drawn from
// their probable distribution of the unseen cards; how they search a drawn deal is their own.
//
// The knowing players are told the other hands of each deal and believe them with a confidence.
// Their distribution starts afresh when the deal is announced (also in a replay, where the
// request is not answered), so that hands told before their own one arrives are kept. The
// others start afresh when their own hand arrives and ignore what they are told.
class JoueurSimulateur : public JoueurCalculateur {
public:
    // `confianceDesMainsAnnoncees`: for a knowing player, how far it believes a hand it is told.
    JoueurSimulateur(const ContexteJoueur& contexte, const char* source,
                     std::optional<float> confianceDesMainsAnnoncees);

    void choisitAtout(StatusAtout statusAtout, CarteSet cartesEnMain) override;
    void choisitCarte(const Partie& partieEnCours, int noJoueurQuiChoisit, CarteSet cartesEnMain) override;
    void confirmeAnnonces() override;
    void carteJouee(const Carte& carte, const Partie& partie) override;
    void annonceFaite(int joueurNo, const Annonces& annonces) override;
    void mainDeJoueur(CarteSet cartes, int joueurNo) override;
    void recoitCartes(CarteSet cartesEnMain) override;
    void demandeDistribue(const InfoDemande& demande) override;

    const DistributionProbableDesCartes& distribution() const { return distribution_; }

protected:
    // A card of the hand that may be played, chosen by simulation.
    virtual const Carte* choisitCarteParSimulation(const Partie& partieEnCours, CarteSet cartesEnMain) = 0;

    DistributionProbableDesCartes distribution_;

private:
    // Writes the time the decision took, then hands it over.
    void ecritDuree(Instant debut);

    const char* source_;
    std::optional<float> confianceDesMainsAnnoncees_;
};
