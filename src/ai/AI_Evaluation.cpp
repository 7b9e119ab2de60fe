#include "ai/AI_Evaluation.h"

#include "ai/AI_ProbaSimplifiee.h"
#include "ai/AI_Simulation.h"
#include "rules/Partie.h"

void AI_Evaluation::nombresDeCartes(const Partie& partie, int (&nombres)[4]) {
    const int restantes = static_cast<int>(partie.getCartesEnJeu().size());
    for (int joueur = 0; joueur < 4; ++joueur)
        nombres[joueur] = restantes / 4 + (restantes % 4 != 0 && partie.getCarteJoueePar(joueur) == nullptr ? 1 : 0);
}

AI_Evaluation::AI_Evaluation(AI_ProbaSimplifiee& probas, const Partie& partie, int noJoueurEvalue, int niveau,
                             KnuthRandom& aleatoire)
    : probas_(probas),
      aleatoire_(aleatoire),
      partie_(partie),
      noJoueur(noJoueurEvalue),
      niveau_(niveau) {
    int nombres[4];
    nombresDeCartes(partie_, nombres);
    distribue_ = probas_.distribueMains(cartesJoueurNoAvantSimulation_, nombres, partie_.getCartesEnJeu(), aleatoire_);
}

void AI_Evaluation::evalue(const Carte& carte, AI_HistoEvaluationCarte& collecteur) {
    // Tables that could not deal give no sample rather than a search over wrong hands.
    if (!distribue_) return;
    AI_Simulation arbre(cartesJoueurNoAvantSimulation_, partie_, carte, aleatoire_, noJoueur, collecteur);
    if (niveau_ != 0) {
        const int finDuPli = 4 - static_cast<int>(partie_.nbCartesJouees() % 4);
        for (int i = 0; i < finDuPli; ++i) arbre.approfondit();
        for (int i = 0; i < NB_APPROFONDISSEMENTS; ++i)
            if (arbre.nbNoeuds() < BUDGET_NOEUDS) arbre.approfondit();
    }
    arbre.joueAuHasard();
}
