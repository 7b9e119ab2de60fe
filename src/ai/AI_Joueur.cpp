#include "ai/AI_Joueur.h"

#include "ai/AI_ChoixAtout.h"
#include "ai/AI_ChoixCarte.h"
#include "platform/Assertion.h"

AI_Joueur::AI_Joueur(const ContexteJoueur& contexte)
    : JoueurCalculateur(contexte, "AI_Joueur"), probas_(*analyse_, options_.getNiveau()) {}

void AI_Joueur::choisitAtout(StatusAtout statusAtout, CarteSet cartesEnMain) {
    const Instant debut = maintenant();
    remetAtout(AI_ChoixAtout::choisit(statusAtout, cartesEnMain, typeDePartie_), debut);
}

void AI_Joueur::choisitCarte(const Partie& partie, int joueurDoitChoisirAtout, CarteSet cartesEnMain) {
    const Instant debut = maintenant();
    const AI_ChoixCarte choix(noJoueur_, options_.getNiveau(), options_.getDepartAtoutPlusHaut());
    const Carte* result = choix.choisit(partie, joueurDoitChoisirAtout, cartesEnMain, probas_, aleatoire_, *analyse_);
    TW_ASSERT(result != NULL, "AI_Joueur");
    if (result) remetCarte(*result, debut);
}

void AI_Joueur::demandeDistribue(const InfoDemande& demande) {
    probas_.reinitialise();
    Joueur::demandeDistribue(demande);
}

void AI_Joueur::confirmeAnnonces() { confirmeAnnoncesPlusTard(); }

void AI_Joueur::carteJouee(const Carte&, const Partie& partie) { probas_.metAJour(partie); }

void AI_Joueur::annonceFaite(int joueurNo, const Annonces& annonces) {
    for (const Carte& carte : annonces.cartes()) probas_.annonceCarte(joueurNo, carte.getCouleur(), carte.getPosition());
}

void AI_Joueur::mainDeJoueur(CarteSet cartes, int joueurNo) { probas_.ajouteMain(cartes, joueurNo); }

void AI_Joueur::recoitCartes(CarteSet cartesEnMain) { probas_.ajouteMain(cartesEnMain, noJoueur_); }

std::unique_ptr<Joueur> creeAIJoueur(const ContexteJoueur& contexte) { return std::make_unique<AI_Joueur>(contexte); }
