#include "ai/JoueurSimulateur.h"

#include "ai/AI_ChoixAtout.h"
#include "ai/AI_ChoixCarte.h"
#include "platform/Assertion.h"

JoueurSimulateur::JoueurSimulateur(const ContexteJoueur& contexte, const char* source,
                                   std::optional<float> confianceDesMainsAnnoncees)
    : JoueurCalculateur(contexte, source),
      distribution_(*analyse_, options_, noJoueur_),
      source_(source),
      confianceDesMainsAnnoncees_(confianceDesMainsAnnoncees) {}

void JoueurSimulateur::ecritDuree(Instant debut) {
    const std::chrono::duration<double> ecoule = maintenant() - debut;
    analyse_->ajouteLigne(AnalyseJoueur::nombre(ecoule.count()));
}

void JoueurSimulateur::choisitAtout(StatusAtout statusAtout, CarteSet cartesEnMain) {
    const Instant debut = maintenant();
    const StatusAtout decision = AI_ChoixAtout::choisit(statusAtout, cartesEnMain, typeDePartie_, analyse_.get());
    ecritDuree(debut);
    remetAtout(decision, debut);
}

void JoueurSimulateur::choisitCarte(const Partie& partieEnCours, int noJoueurQuiChoisit, CarteSet cartesEnMain) {
    const Instant debut = maintenant();
    TW_ASSERT(options_.getRace() != OptionsDuJoueur::Humain, source_);
    const Carte* result = AI_ChoixCarte::entreeEnJeu(partieEnCours, noJoueurQuiChoisit, noJoueur_,
                                                     options_.getDepartAtoutPlusHaut(), cartesEnMain);
    if (!result) result = choisitCarteParSimulation(partieEnCours, cartesEnMain);
    TW_ASSERT(result != NULL, source_);
    if (!result) return;
    ecritDuree(debut);
    remetCarte(*result, debut);
}

// Shown melds need no thought: confirmed within the request.
void JoueurSimulateur::confirmeAnnonces() { annoncesConfirmees(noDemande_); }

void JoueurSimulateur::carteJouee(const Carte& carte, const Partie& partie) { distribution_.carteJouee(carte, partie); }

void JoueurSimulateur::annonceFaite(int, const Annonces&) {}

void JoueurSimulateur::mainDeJoueur(CarteSet cartes, int joueurNo) {
    if (confianceDesMainsAnnoncees_) distribution_.fixeMain(cartes, joueurNo, *confianceDesMainsAnnoncees_);
}

void JoueurSimulateur::recoitCartes(CarteSet cartesEnMain) {
    if (!confianceDesMainsAnnoncees_) distribution_.reinitialise();
    distribution_.fixeMain(cartesEnMain, noJoueur_, 1.0f);
}

void JoueurSimulateur::demandeDistribue(const InfoDemande& demande) {
    if (confianceDesMainsAnnoncees_) distribution_.reinitialise();
    Joueur::demandeDistribue(demande);
}
