#pragma once

#include <memory>

#include "ai/AI_ProbaSimplifiee.h"
#include "ai/JoueurCalculateur.h"

// The computer player of new games (race 5). It chooses trump or chibre by scoring its hand,
// announces all its melds, and chooses each card by judging every playable card with simulated
// continuations of the deal drawn from its card-location tables. It is told every hand of the
// deal and keeps them in those tables; its level decides how much of that its simulations use.
class AI_Joueur : public JoueurCalculateur {
public:
    explicit AI_Joueur(const ContexteJoueur& contexte);

    void choisitAtout(StatusAtout statusAtout, CarteSet cartesEnMain) override;
    void choisitCarte(const Partie& partie, int joueurDoitChoisirAtout, CarteSet cartesEnMain) override;
    void confirmeAnnonces() override;
    void carteJouee(const Carte& carte, const Partie& partie) override;
    void annonceFaite(int joueurNo, const Annonces& annonces) override;
    void mainDeJoueur(CarteSet cartes, int joueurNo) override;
    void recoitCartes(CarteSet cartesEnMain) override;

    // The location tables start afresh for every deal, also while a game file is replayed, when
    // the deal request itself is not answered: the play after the replay needs them right.
    void demandeDistribue(const InfoDemande& demande) override;

    const AI_ProbaSimplifiee& probas() const { return probas_; }

private:
    AI_ProbaSimplifiee probas_;
};

// The maker the table's registry holds for race 5.
std::unique_ptr<Joueur> creeAIJoueur(const ContexteJoueur& contexte);
