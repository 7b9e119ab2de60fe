#include "ai/AI_ChoixCarte.h"

#include "ai/AI_Evaluation.h"
#include "ai/AI_HistoEvaluationCarte.h"
#include "ai/AI_HistoEvaluations.h"
#include "ai/AI_ProbaSimplifiee.h"
#include "ai/AnalyseJoueur.h"
#include "platform/Assertion.h"
#include "platform/TableDesTextes.h"
#include "rules/Partie.h"
#include "rules/Siege.h"

namespace {
constexpr int ID_RACINE_ARBRE = 3841;
}

AI_ChoixCarte::AI_ChoixCarte(int noJoueur, int niveau, bool departAtoutPlusHaut)
    : noJoueur_(noJoueur), niveau_(niveau), departAtoutPlusHaut_(departAtoutPlusHaut) {}

int AI_ChoixCarte::repetitions(int niveau) {
    switch (niveau) {
        case 0:
            return 25;
        case 1:
            return 4;
        case 2:
            return 8;
        default:
            TW_ASSERT(false, "AI_Joueur");
            return 6;
    }
}

const Carte* AI_ChoixCarte::entreeEnJeu(const Partie& partie, int joueurDoitChoisirAtout, int noJoueur,
                                         bool departAtoutPlusHaut, CarteSet cartesEnMain) {
    const bool notreEquipeAChoisi = joueurDoitChoisirAtout == noJoueur || joueurDoitChoisirAtout == siege::partenaire(noJoueur);
    if (partie.nbCartesJouees() != 0 || !notreEquipeAChoisi || !departAtoutPlusHaut) return nullptr;
    // In a no-trump mode no card is of the trump's suit value.
    const Atout atout = partie.atout();
    const Carte* result = nullptr;
    for (const Carte& carte : cartesEnMain.deCouleur(valeur(atout)))
        if (!result || carte.getForce(atout) > result->getForce(atout)) result = &carte;
    return result;
}

const Carte* AI_ChoixCarte::choisit(const Partie& partie, int joueurDoitChoisirAtout, CarteSet cartesEnMain,
                                    const AI_ProbaSimplifiee& probas, KnuthRandom& aleatoire,
                                    AnalyseJoueur& analyse) const {
    const CarteSet jouables = partie.cartesJouables(cartesEnMain);
    analyse.videArbre();
    analyse.videProjections();
    analyse.ajouteRacine(formate(ID_RACINE_ARBRE, noJoueur_));
    AI_HistoEvaluations histos(analyse, partie.getMultiplicateur() * POINTS_MAXI);

    if (jouables.size() == 1) return &*jouables.begin();

    if (const Carte* atout = entreeEnJeu(partie, joueurDoitChoisirAtout, noJoueur_, departAtoutPlusHaut_, cartesEnMain))
        return atout;

    if (jouables.empty()) return nullptr;
    evalue(partie, jouables, probas, aleatoire, histos);
    // Tables that could not deal any hand leave no sample: after that internal error the game
    // goes on with a card that may be played.
    const Carte* meilleure = histos.meilleureCarte();
    return meilleure ? meilleure : &*jouables.begin();
}

void AI_ChoixCarte::evalue(const Partie& partie, CarteSet jouables, const AI_ProbaSimplifiee& probas,
                           KnuthRandom& aleatoire, AI_HistoEvaluations& histos) const {
    const int nbRepetitions = repetitions(niveau_);
    for (const Carte& candidate : jouables) {
        AI_HistoEvaluationCarte collecteur(histos, candidate, noJoueur_);
        for (int repetition = 0; repetition < nbRepetitions; ++repetition) {
            Partie partieSimulee = partie;
            partieSimulee.joueCarte(candidate, noJoueur_);
            AI_ProbaSimplifiee probasSimulees = probas;
            probasSimulees.metAJour(partieSimulee);
            AI_Evaluation evaluation(probasSimulees, partieSimulee, noJoueur_, niveau_, aleatoire);
            evaluation.evalue(candidate, collecteur);
        }
    }
}
