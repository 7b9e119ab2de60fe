#pragma once

#include <chrono>
#include <memory>

#include "ai/AI_ProbaSimplifiee.h"
#include "ai/AnalyseJoueur.h"
#include "platform/Plateforme.h"
#include "players/Joueur.h"
#include "rules/KnuthRandom.h"

// The computer player of new games (race 5). It chooses trump or chibre by scoring its hand,
// announces all its melds, and chooses each card by judging every playable card with simulated
// continuations of the deal drawn from its card-location tables. It is told every hand of the
// deal and keeps them in those tables; its level decides how much of that its simulations use.
//
// A decision is taken at once but handed over no sooner than the minimum decision time after the
// request, by a timer, so that the program keeps running meanwhile; with the analysis window
// shown it is handed over at once. The confirmations are answered on the next turn of the event
// loop, once the table's current processing has returned.
class AI_Joueur : public Joueur {
public:
    static constexpr int DELAI_MINIMUM_MS = 1600;
    static constexpr int DELAI_CONFIRMATION_MS = 1;

    explicit AI_Joueur(const ContexteJoueur& contexte);
    ~AI_Joueur() override;

    void choisitAtout(StatusAtout statusAtout, CarteSet cartesEnMain) override;
    void annonce(CarteSet cartesEnMain) override;
    void choisitCarte(const Partie& partie, int joueurDoitChoisirAtout, CarteSet cartesEnMain) override;
    void distribue() override;
    void finDePartie(bool gagne, bool egalite) override;
    void ramasseTas() override;
    void confirmeAnnonces() override;
    void montreCartes() override;
    void cacheCartes() override;
    void carteJouee(const Carte& carte, const Partie& partie) override;
    void annonceFaite(int joueurNo, const Annonces& annonces) override;
    void mainDeJoueur(CarteSet cartes, int joueurNo) override;
    void recoitCartes(CarteSet cartesEnMain) override;

    // The location tables start afresh for every deal, also while a game file is replayed, when
    // the deal request itself is not answered: the play after the replay needs them right.
    void demandeDistribue(const InfoDemande& demande) override;

    AnalyseJoueur& analyse() { return *analyse_; }
    const AnalyseJoueur& analyse() const { return *analyse_; }
    const AI_ProbaSimplifiee& probas() const { return probas_; }
    // A decision is waiting out the minimum decision time.
    bool decisionEnAttente() const { return decision_ != Decision::Aucune; }
    // A confirmation waits for the next turn of the event loop.
    bool confirmationEnAttente() const { return eventPending_; }

private:
    enum class Decision { Aucune, Atout, Carte };
    using Instant = std::chrono::steady_clock::time_point;

    using MinuterieDuJoueur = std::unique_ptr<Minuterie> AI_Joueur::*;
    // A timer that, when it fires, stops itself and sends the confirmation with the pending number.
    std::unique_ptr<Minuterie> creeConfirmation(MinuterieDuJoueur minuterie, void (Joueur::*confirmation)(int));
    void confirmePlusTard(Minuterie& minuterie);
    // Hands the decision over now, or when the minimum decision time since `debut` is over.
    void remetDecision(Instant debut);
    void remet();

    KnuthRandom aleatoire_;
    std::unique_ptr<AnalyseJoueur> analyse_;
    // Declared after the analysis it shows, so it goes first.
    std::unique_ptr<FenetreAnalyse> fenetreAnalyse_;
    AI_ProbaSimplifiee probas_;
    std::unique_ptr<Minuterie> minuterieConfirmeAnnonces_;
    std::unique_ptr<Minuterie> minuterieDistribue_;
    std::unique_ptr<Minuterie> minuterieRamasseTas_;
    std::unique_ptr<Minuterie> minuterieFinDePartie_;
    bool eventPending_ = false;
    const TypeDePartie& typeDePartie_;

    std::unique_ptr<Minuterie> minuterieDecision_;
    Decision decision_ = Decision::Aucune;
    StatusAtout atoutDecide_;
    const Carte* carteDecidee_ = nullptr;
    int noDemandeDecidee_ = -1;
};

// The maker the table's registry holds for race 5.
std::unique_ptr<Joueur> creeAIJoueur(const ContexteJoueur& contexte);
