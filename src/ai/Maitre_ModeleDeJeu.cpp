#include "ai/Maitre_ModeleDeJeu.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>

#include "ai/AI_ChoixAtout.h"
#include "rules/Partie.h"
#include "rules/TablesDesCartes.h"
#include "rules/TypeDePartie.h"

namespace {

bool chibreConseille(CarteSet main, const TypeDePartie& typeDePartie) {
    return AI_ChoixAtout::choisit(StatusAtout(), main, typeDePartie).estChibre;
}

// The trick in progress as the seat to play sees it.
struct PliEnCours {
    int nombre = 0;
    int points = 0;
    int gagnant = -1;
    const Carte* gagnante = nullptr;
};

PliEnCours pliEnCours(const Partie& partie) {
    PliEnCours pli;
    const Atout atout = partie.atout();
    const int meneur = partie.getJoueurQuiACommence();
    for (int rang = 0; rang < 3; ++rang) {
        const int siege = (meneur + rang) & 3;
        const Carte* carte = partie.getCarteJoueePar(siege);
        if (!carte) break;
        ++pli.nombre;
        pli.points += carte->getPoints(atout);
        if (!pli.gagnante || carte->estPlusForteQue(*pli.gagnante, atout)) {
            pli.gagnante = carte;
            pli.gagnant = siege;
        }
    }
    return pli;
}

// No card still out (neither played nor in the seat's hand) beats it in its suit.
bool estMaitresse(const Carte& carte, std::uint64_t dehors, Atout atout) {
    const int force = carte.getForce(atout);
    for (std::uint64_t reste = dehors & tables::masqueCouleur(carte.getCouleur()); reste; reste &= reste - 1)
        if (Carte::parTag(static_cast<unsigned>(std::countr_zero(reste))).getForce(atout) > force) return false;
    return true;
}

// How much a plain player likes playing `carte`, in points of the deal.
double habitude(const Carte& carte, const PliEnCours& pli, int siege, const Partie& partie, std::uint64_t dehors) {
    const Atout atout = partie.atout();
    const double points = carte.getPoints(atout);
    const double force = carte.getForce(atout);
    const bool estAtout = carte.getCouleur() == valeur(atout);
    const bool notreAtout = (partie.getJoueurQuiAFaitAtout() & 1) == (siege & 1);
    // A strong card spent is a trick the seat may not take later; a trump most of all.
    const double cout = estAtout ? 3 + 0.5 * force : 0.3 * force;
    if (pli.nombre == 0) {
        if (estAtout) return notreAtout ? 2 : -4;
        if (estMaitresse(carte, dehors, atout)) return 6 + 0.3 * points;
        return -0.5 * points;
    }
    const bool partenaireGagne = pli.gagnant == ((siege + 2) & 3);
    // The points of the trick are sure only to the last seat.
    const double certitude = pli.nombre == 3 ? 1.0 : 0.6;
    if (carte.estPlusForteQue(*pli.gagnante, atout)) {
        if (partenaireGagne) return -cout - 2;
        return certitude * pli.points + 0.3 * points + 2 - cout;
    }
    if (partenaireGagne) return certitude * points - (estAtout ? cout : 0);
    return -points - cout;
}

}  // namespace

double Maitre_ModeleDeJeu::probaChibre(CarteSet main, const TypeDePartie& typeDePartie) {
    return chibreConseille(main, typeDePartie) ? 1 - ECART_AU_CHIBRE : ECART_AU_CHIBRE;
}

double Maitre_ModeleDeJeu::probaAtout(CarteSet main, Atout choisi, bool pouvaitPasser, const TypeDePartie& typeDePartie) {
    const int nbModes = typeDePartie.getNbAtoutsPossibles();
    if (valeur(choisi) < 1 || valeur(choisi) > nbModes) return 0;
    std::array<double, 8> scores{};
    double meilleur = -1e9;
    for (int mode = 1; mode <= nbModes; ++mode) {
        scores[mode] = AI_ChoixAtout::score(main, static_cast<Atout>(mode)) / TEMPERATURE_ATOUT;
        meilleur = std::max(meilleur, scores[mode]);
    }
    double total = 0;
    for (int mode = 1; mode <= nbModes; ++mode) total += std::exp(scores[mode] - meilleur);
    const double proba = std::exp(scores[valeur(choisi)] - meilleur) / total;
    return pouvaitPasser ? proba * (1 - probaChibre(main, typeDePartie)) : proba;
}

double Maitre_ModeleDeJeu::probaCarte(const Partie& avant, CarteSet main, const Carte& carte) {
    const CarteSet jouables = avant.cartesJouables(main);
    if (!jouables.contient(carte)) return 0;
    if (jouables.size() == 1) return 1;
    const PliEnCours pli = pliEnCours(avant);
    const int siege = avant.noDuProchainAJouer();
    const std::uint64_t dehors = CarteSet::complet().masque() & ~avant.getCartesDejaJouees().masque() & ~main.masque();
    std::array<double, Carte::NB_CARTES> envies{};
    double meilleure = -1e9, envieDeLaCarte = 0;
    unsigned n = 0;
    for (const Carte& jouable : jouables) {
        const double envie = habitude(jouable, pli, siege, avant, dehors) / TEMPERATURE_CARTE;
        envies[n++] = envie;
        meilleure = std::max(meilleure, envie);
        if (&jouable == &carte) envieDeLaCarte = envie;
    }
    double total = 0;
    for (unsigned k = 0; k < n; ++k) total += std::exp(envies[k] - meilleure);
    return std::exp(envieDeLaCarte - meilleure) / total;
}
