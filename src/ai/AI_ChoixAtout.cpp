#include "ai/AI_ChoixAtout.h"

#include "ai/AnalyseJoueur.h"
#include "platform/Assertion.h"
#include "rules/TypeDePartie.h"

double AI_ChoixAtout::score(CarteSet cartesEnMain, Atout atout) {
    double score = 0;
    for (const Carte& carte : cartesEnMain)
        score += estModeCouleur(atout) ? carte.valeurPourChoixAtout(atout)
                                       : POIDS_SANS_ATOUT * carte.valeurPourChoixAtout(atout);
    return score;
}

StatusAtout AI_ChoixAtout::choisit(StatusAtout statusAtout, CarteSet cartesEnMain, const TypeDePartie& typeDePartie,
                                   AnalyseJoueur* analyse) {
    const auto ecrit = [analyse](const std::string& ligne) {
        if (analyse) analyse->ajouteLigne(ligne);
    };
    TW_ASSERT(!statusAtout.estChoisi, "AI_Joueur");
    double meilleurScore = 0;
    double pireScore = 15;
    double totalAtouts = 0;
    bool couleurEnMain[4] = {false, false, false, false};
    for (int mode = 1; mode <= typeDePartie.getNbAtoutsPossibles(); ++mode) {
        TW_ASSERT(cartesEnMain.size() == 9, "AI_Joueur");
        const Atout atout = static_cast<Atout>(mode);
        const double scoreDuMode = score(cartesEnMain, atout);
        if (estModeCouleur(atout)) {
            couleurEnMain[mode - 1] = !cartesEnMain.deCouleur(mode).empty();
            totalAtouts += scoreDuMode;
        }
        ecrit(nomAtout(atout) + " " + AnalyseJoueur::nombre(scoreDuMode));
        if (scoreDuMode > meilleurScore) {
            meilleurScore = scoreDuMode;
            statusAtout.atout = atout;
            statusAtout.estChoisi = true;
        }
        if (scoreDuMode < pireScore) pireScore = scoreDuMode;
    }
    const bool toutesLesCouleurs = couleurEnMain[0] && couleurEnMain[1] && couleurEnMain[2] && couleurEnMain[3];
    ecrit("Toutes les couleurs: " + std::string(toutesLesCouleurs ? "1" : "0"));
    ecrit("Total atouts: " + AnalyseJoueur::nombre(totalAtouts));
    ecrit("Diff: " + AnalyseJoueur::nombre(meilleurScore - pireScore));
    const bool faible = meilleurScore < SCORE_MINIMUM || meilleurScore - pireScore < ECART_MINIMUM;
    if (!statusAtout.estChibre && faible && toutesLesCouleurs) {
        ecrit("Chibre conseill\xE9");
        statusAtout.estChibre = true;
        statusAtout.estChoisi = false;
        statusAtout.atout = Atout::Invalide;
    }
    statusAtout.multiplicateur = typeDePartie.getMultiplicateur(statusAtout.atout);
    return statusAtout;
}
