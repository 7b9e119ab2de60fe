#include "rules/Siege.h"
#include "ai/DistributionProbableDesCartes.h"

#include "ai/AnalyseJoueur.h"
#include "platform/Assertion.h"
#include "rules/OptionsDuJoueur.h"
#include "rules/KnuthRandom.h"
#include "rules/Partie.h"

namespace {
constexpr const char* SOURCE = "DistributionProbableDesCartes";
}

DistributionProbableDesCartes::DistributionProbableDesCartes(AnalyseJoueur& analyse, const OptionsDuJoueur& options,
                                                             int noJoueur)
    : noJoueur_(noJoueur), options_(options), charts_(analyse) {
    reinitialise();
}

void DistributionProbableDesCartes::reinitialise() {
    for (Entrees& carte : probabilites_) carte.fill(0.25f);
    verifieTout();
    afficheGraphiques();
}

void DistributionProbableDesCartes::fixe(int couleur, int position, int joueurNo, float valeur) {
    TW_ASSERT(valeur <= 1.0 && valeur >= 0.0, SOURCE);
    Entrees& p = entrees(couleur, position);
    if (estEliminee(couleur, position) || p[joueurNo] == 0.0f) return;
    const bool certaine = p[0] == 1.0f || p[1] == 1.0f || p[2] == 1.0f || p[3] == 1.0f;
    if (!(certaine && valeur != 0.0f)) {
        float diviseur = 0.0f;
        for (int autre = 0; autre < 4; ++autre)
            if (autre != joueurNo) diviseur += p[autre];
        if (diviseur == 0.0f) {
            // The only seat that may hold the card keeps it.
            p[joueurNo] = 1.0f;
        } else {
            TW_ASSERT(diviseur!=0.0, SOURCE);
            const float d = p[joueurNo] - valeur;
            p[joueurNo] = valeur;
            for (int autre = 0; autre < 4; ++autre)
                if (autre != joueurNo) p[autre] += d * p[autre] / diviseur;
        }
    }
    verifieCarte(couleur, position);
}

void DistributionProbableDesCartes::fixeProbabilite(int couleur, int position, int joueurNo, float valeur) {
    fixe(couleur, position, joueurNo, valeur);
    afficheGraphiques();
}

void DistributionProbableDesCartes::fixeMain(CarteSet cartes, int joueurNo, float valeur) {
    for (const Carte& carte : cartes) fixe(carte.getCouleur(), carte.getPosition(), joueurNo, valeur);
    for (const Carte& carte : CarteSet::complet().sauf(cartes))
        fixe(carte.getCouleur(), carte.getPosition(), joueurNo, 1.0f - valeur);
    afficheGraphiques();
}

void DistributionProbableDesCartes::carteJouee(const Carte& carte, const Partie& partie) {
    const Atout atout = partie.atout();
    if (partie.nbCartesJouees() == 1 && estModeCouleur(atout)) {
        const int couleurAtout = valeur(atout);
        for (int position = Carte::Six; position <= Carte::As; ++position)
            fixe(couleurAtout, position, partie.getJoueurQuiAFaitAtout(), 0.5f);
        // A partner who always leads with the highest trump would have led any higher trump it
        // held, so the leader hardly holds one.
        const bool partenaireDuMeneur = (partie.noDuProchainAJouer() + 1) % 4 == noJoueur_;
        if (options_.getDepartAtoutPlusHaut() && carte.getCouleur() == couleurAtout && partenaireDuMeneur) {
            for (const Carte& atoutEnJeu : partie.getCartesEnJeu().deCouleur(couleurAtout))
                if (atoutEnJeu.estPlusForteQue(carte, Atout(carte.getCouleur())))
                    fixe(couleurAtout, atoutEnJeu.getPosition(), siege::partenaire(noJoueur_), 0.15f);
        }
    }
    for (int couleur = Carte::Trefle; couleur <= Carte::Coeur; ++couleur)
        for (int joueur = 0; joueur < 4; ++joueur) {
            if (!partie.nAPlusLaCouleur(joueur, couleur)) continue;
            for (int position = Carte::Six; position <= Carte::As; ++position) {
                // A player may keep the trump Valet back whatever is led.
                if (couleur == valeur(atout) && position == Carte::Valet) continue;
                fixe(couleur, position, joueur, 0.0f);
            }
        }
    for (const Carte& jouee : partie.getCartesDejaJouees()) elimine(jouee.getCouleur(), jouee.getPosition());
    verifieTout();
    afficheGraphiques();
}

bool DistributionProbableDesCartes::estEliminee(int couleur, int position) const {
    const Entrees& p = entrees(couleur, position);
    return !(p[0] > 0.0f || p[1] > 0.0f || p[2] > 0.0f || p[3] > 0.0f);
}

void DistributionProbableDesCartes::elimine(int couleur, int position) { entrees(couleur, position).fill(0.0f); }

void DistributionProbableDesCartes::verifieCarte(int couleur, int position) const {
    const Entrees& p = entrees(couleur, position);
    const double finalCheckValue = double(p[0]) + p[1] + p[2] + p[3];
    TW_ASSERT((finalCheckValue < 1.00001 && finalCheckValue > 0.9999) || finalCheckValue == 0.0, SOURCE);
}

void DistributionProbableDesCartes::verifieTout() const {
    for (const Carte& carte : CarteSet::complet()) verifieCarte(carte.getCouleur(), carte.getPosition());
}

int DistributionProbableDesCartes::tireJoueur(int couleur, int position, KnuthRandom& random) const {
    const float seuil = float(random.tire(100) + 1) * 0.01f;
    const Entrees& p = entrees(couleur, position);
    float valeurPrecedente = 0.0f;
    int joueurNo = 0;
    for (; joueurNo < 4; ++joueurNo) {
        valeurPrecedente += p[joueurNo];
        // A card that sums to 1 within rounding is always drawn by the 1.00 threshold.
        if (valeurPrecedente > 0.9999f && valeurPrecedente < 1.01f) valeurPrecedente = 1.0f;
        if (!(valeurPrecedente < seuil)) break;
    }
    TW_ASSERT(joueurNo < 4, SOURCE);
    return joueurNo < 4 ? joueurNo : 3;
}

unsigned DistributionProbableDesCartes::joueursPossibles(const Carte& carte) const {
    unsigned masque = 0;
    for (int joueur = 0; joueur < 4; ++joueur)
        if (probabilites_[carte.getTag()][joueur] > 0.0f) masque |= 1u << joueur;
    return masque;
}

bool DistributionProbableDesCartes::assignationPossible(CarteSet cartes, const int (&places)[4]) const {
    // A complete assignment exists exactly when, for every group of seats, the cards that only
    // these seats may hold fit into their places.
    int cartesDuGroupe[16] = {};
    for (const Carte& carte : cartes) ++cartesDuGroupe[joueursPossibles(carte)];
    for (unsigned groupe = 1; groupe < 16; ++groupe) {
        int cartesLimitees = 0;
        for (unsigned sousGroupe = 1; sousGroupe < 16; ++sousGroupe)
            if ((sousGroupe & ~groupe) == 0) cartesLimitees += cartesDuGroupe[sousGroupe];
        int placesDuGroupe = 0;
        for (int joueur = 0; joueur < 4; ++joueur)
            if (groupe & (1u << joueur)) placesDuGroupe += places[joueur];
        if (cartesLimitees > placesDuGroupe) return false;
    }
    return cartesDuGroupe[0] == 0;
}

bool DistributionProbableDesCartes::tireLesMains(CarteSet (&mains)[4], const int (&nbCartes)[4],
                                                 CarteSet cartesEnJeuOriginal, KnuthRandom& random) const {
    unsigned nbDeCartesDansLaDistrib = 0;
    for (const Carte& carte : CarteSet::complet())
        if (!estEliminee(carte.getCouleur(), carte.getPosition())) ++nbDeCartesDansLaDistrib;
    TW_ASSERT(cartesEnJeuOriginal.size() == nbDeCartesDansLaDistrib, SOURCE);
    const bool uneDonneExiste = assignationPossible(cartesEnJeuOriginal, nbCartes) &&
                          int(cartesEnJeuOriginal.size()) == nbCartes[0] + nbCartes[1] + nbCartes[2] + nbCartes[3];
    // Beliefs that leave no complete deal would make the draws below go on for ever.
    TW_ASSERT(uneDonneExiste, SOURCE);
    if (!uneDonneExiste) return false;

    for (int tentative = 0; tentative < MAX_TENTATIVES; ++tentative) {
        for (CarteSet& main : mains) main = CarteSet();
        CarteSet jeuDeCartes = cartesEnJeuOriginal;
        for (const Carte& carte : cartesEnJeuOriginal) {
            const int joueur = tireJoueur(carte.getCouleur(), carte.getPosition(), random);
            if (int(mains[joueur].size()) >= nbCartes[joueur]) break;
            mains[joueur].insert(carte);
            jeuDeCartes.erase(carte);
        }
        if (jeuDeCartes.size() == 0) return true;
    }
    tireSansEchec(mains, nbCartes, cartesEnJeuOriginal, random);
    return true;
}

void DistributionProbableDesCartes::tireSansEchec(CarteSet (&mains)[4], const int (&nbCartes)[4],
                                                  CarteSet cartesEnJeuOriginal, KnuthRandom& random) const {
    for (CarteSet& main : mains) main = CarteSet();
    int places[4] = {nbCartes[0], nbCartes[1], nbCartes[2], nbCartes[3]};
    CarteSet reste = cartesEnJeuOriginal;
    for (const Carte& carte : cartesEnJeuOriginal) {
        reste.erase(carte);
        float poids[4] = {};
        float total = 0.0f;
        for (int joueur = 0; joueur < 4; ++joueur) {
            if (places[joueur] == 0 || probabilite(carte, joueur) == 0.0f) continue;
            --places[joueur];
            if (assignationPossible(reste, places)) poids[joueur] = probabilite(carte, joueur);
            ++places[joueur];
            total += poids[joueur];
        }
        const float seuil = float(random.tire(100) + 1) * 0.01f * total;
        int joueur = 0;
        float cumul = 0.0f;
        int dernierPossible = 0;
        for (; joueur < 4; ++joueur) {
            if (poids[joueur] == 0.0f) continue;
            dernierPossible = joueur;
            cumul += poids[joueur];
            if (!(cumul < seuil)) break;
        }
        if (joueur == 4) joueur = dernierPossible;
        mains[joueur].insert(carte);
        --places[joueur];
    }
}

void DistributionProbableDesCartes::afficheGraphiques() const {
    for (int couleur = Carte::Trefle; couleur <= Carte::Coeur; ++couleur) {
        AnalyseJoueur::GraphiqueCouleur& graphique = charts_.graphique(couleur);
        for (int joueurNo = 0; joueurNo < 4; ++joueurNo) {
            AnalyseJoueur::Serie& serie = graphique.series[static_cast<unsigned>(joueurNo)];
            serie.clear();
            for (int position = Carte::Six; position <= Carte::As; ++position)
                serie.push_back({double(position), double(entrees(couleur, position)[joueurNo]), nomPosition(position)});
        }
    }
    charts_.distributionModifiee();
}
