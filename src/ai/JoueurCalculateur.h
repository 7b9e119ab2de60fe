#pragma once

#include <chrono>
#include <memory>

#include "ai/AnalyseJoueur.h"
#include "platform/Plateforme.h"
#include "players/Joueur.h"
#include "rules/KnuthRandom.h"

// What every computer player has besides its reasoning: its own random generator (fixed seed,
// so a player repeats its choices in identical situations), its analysis and the window that
// shows it, the pacing of its decisions and its deferred confirmations.
//
// A decision is taken at once but handed over no sooner than the minimum decision time after the
// request, by a timer, so that the program keeps running meanwhile; with the analysis window
// shown it is handed over at once. The deferred confirmations are answered on the next turn of
// the event loop, once the table's current processing has returned.
class JoueurCalculateur : public Joueur {
public:
    static constexpr int DELAI_MINIMUM_MS = 1600;
    static constexpr int DELAI_CONFIRMATION_MS = 1;

    // `source`: the class name internal errors are reported under.
    JoueurCalculateur(const ContexteJoueur& contexte, const char* source);
    ~JoueurCalculateur() override;

    void annonce(CarteSet cartesEnMain) override;
    void distribue() override;
    void finDePartie(bool gagne, bool egalite) override;
    void ramasseTas() override;
    void montreCartes() override;
    void cacheCartes() override;

    AnalyseJoueur& analyse() { return *analyse_; }
    const AnalyseJoueur& analyse() const { return *analyse_; }
    // A decision is waiting out the minimum decision time.
    bool decisionEnAttente() const { return decision_ != Decision::Aucune; }
    // A confirmation waits for the next turn of the event loop.
    bool confirmationEnAttente() const { return eventPending_; }

protected:
    using Instant = std::chrono::steady_clock::time_point;
    static Instant maintenant() { return Plateforme::courante().maintenant(); }

    // Hand the decision over now, or when the minimum decision time since `debut` is over.
    void remetAtout(const StatusAtout& statusAtout, Instant debut);
    void remetCarte(const Carte& carte, Instant debut);
    void confirmeAnnoncesPlusTard();

    KnuthRandom aleatoire_;
    std::unique_ptr<AnalyseJoueur> analyse_;
    const TypeDePartie& typeDePartie_;

private:
    enum class Decision { Aucune, Atout, Carte };

    using MinuterieDuJoueur = std::unique_ptr<Minuterie> JoueurCalculateur::*;
    // A timer that, when it fires, stops itself and sends the confirmation with the pending number.
    std::unique_ptr<Minuterie> creeConfirmation(MinuterieDuJoueur minuterie, void (Joueur::*confirmation)(int));
    void confirmePlusTard(Minuterie& minuterie);
    void remetDecision(Instant debut);
    void remet();

    // Declared after the analysis it shows, so it goes first.
    std::unique_ptr<FenetreAnalyse> fenetreAnalyse_;
    std::unique_ptr<Minuterie> minuterieConfirmeAnnonces_;
    std::unique_ptr<Minuterie> minuterieDistribue_;
    std::unique_ptr<Minuterie> minuterieRamasseTas_;
    std::unique_ptr<Minuterie> minuterieFinDePartie_;
    bool eventPending_ = false;

    std::unique_ptr<Minuterie> minuterieDecision_;
    Decision decision_ = Decision::Aucune;
    StatusAtout atoutDecide_;
    const Carte* carteDecidee_ = nullptr;
    int noDemandeDecidee_ = -1;
};
