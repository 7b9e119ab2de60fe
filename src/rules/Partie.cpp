#include "rules/Partie.h"

#include "platform/Assertion.h"
#include "rules/CartesJouables.h"
#include "rules/Siege.h"

Partie::Partie(Atout atout, CarteSet cartesEnJeu, int premierJoueur, int joueurQuiAFaitAtout, int multiplicateur)
    : cartesEnJeu_(cartesEnJeu),
      noDuJoueurQuiACommence_(premierJoueur),
      noDuJoueurQuiAFaitAtout_(joueurQuiAFaitAtout),
      noDuProchainAJouer_(premierJoueur),
      multiplicateur_(multiplicateur),
      atoutChoisi_(atout),
      atout_(atoutDuPremierPli(atout)) {
    for (auto& joueur : peutAvoirCouleur_)
        for (bool& peut : joueur) peut = true;
    TW_ASSERT(cartesEnJeu_.size() == 36, "Partie");
}

int Partie::noDuProchainAJouer() const {
    TW_ASSERT(noDuProchainAJouer_ >= 0, "Partie");
    TW_ASSERT(noDuProchainAJouer_ < 4, "Partie");
    return noDuProchainAJouer_;
}

int Partie::joueCarte(const Carte& carte, int joueurNo) {
    TW_ASSERT(cartesDejaJouees_.find(carte) == cartesDejaJouees_.end(), "Partie");
    TW_ASSERT(cartesDejaJouees_.size() < 36, "Partie");
    TW_ASSERT(noDuProchainAJouer_ == joueurNo, "Partie");
    TW_ASSERT(carteJoueePar[siege::verifie(joueurNo)] == NULL, "Partie");
    joueurNo &= 3;

    carteJoueePar[joueurNo] = &carte;
    cartesDejaJouees_.insert(carte);
    cartesEnJeu_.erase(carte);
    TW_ASSERT((cartesDejaJouees_.size() + cartesEnJeu_.size()) == 36, "Partie");

    if (joueurNo != noDuJoueurQuiACommence_) {
        const Carte* entame = carteJoueePar[noDuJoueurQuiACommence_];
        TW_ASSERT(carteJoueePar[noDuJoueurQuiACommence_] != NULL, "Partie");
        // Trumping reveals nothing: a trump may be played while holding the led suit.
        if (entame && carte.getCouleur() != entame->getCouleur() && carte.getCouleur() != valeur(atout_))
            peutAvoirCouleur_[joueurNo][entame->getCouleur() - 1] = false;
    }

    const int carteNo = carteNo_;
    TW_ASSERT(carteNo < 4, "Partie");
    TW_ASSERT(carteNo >= 0, "Partie");
    if (carteNo == 3) {
        carteNo_ = 0;
        const int gagnant = resoutPli(joueurNo);
        noDuProchainAJouer_ = gagnant;
        noDuJoueurQuiACommence_ = gagnant;
        if (cartesEnJeu_.empty()) {
            (siege::equipe(gagnant) == 0 ? pointsEquipe1_ : pointsEquipe2_) += 5 * multiplicateur_;
            if (cartesRamasseesEq1_ == 36) {
                TW_ASSERT(cartesRamasseesEq2_ == 0, "Partie");
                pointsEquipe1_ += 100 * multiplicateur_;
            } else if (cartesRamasseesEq2_ == 36) {
                TW_ASSERT(cartesRamasseesEq1_ == 0, "Partie");
                pointsEquipe2_ += 100 * multiplicateur_;
            }
        }
        if (atoutChoisi_ == Atout::ZigZag) {
            TW_ASSERT(atout_ == Atout::BasEnHaut || atout_ == Atout::HautEnBas, "Partie");
            atout_ = atout_ == Atout::HautEnBas ? Atout::BasEnHaut : Atout::HautEnBas;
        }
    } else {
        carteNo_ = carteNo + 1;
        noDuProchainAJouer_ = siege::suivant(joueurNo);
    }

    if (cartesEnJeu_.empty()) {
        partieTerminee_ = true;
        const int pointsTotal = multiplicateur_ ? (pointsEquipe1_ + pointsEquipe2_) / multiplicateur_ : 0;
        TW_ASSERT(pointsTotal == 157 || pointsTotal == 257, "Partie");
    }
    return noDuProchainAJouer_;
}

int Partie::resoutPli(int dernierJoueur) {
    const int premierJoueur = siege::suivant(dernierJoueur);
    for (int pos = 0; pos < 4; ++pos) TW_ASSERT(carteJoueePar[pos] != NULL, "Partie");
    for (int pos = 0; pos < 4; ++pos)
        if (!carteJoueePar[pos]) return premierJoueur;

    const int couleurDemandee = carteJoueePar[premierJoueur]->getCouleur();
    int joueurQuiALaCarteLaPlusForte = premierJoueur;
    int totalPoints = 0;
    for (int pos = 0; pos < 4; ++pos) {
        const Carte& carte = *carteJoueePar[pos];
        totalPoints += carte.getPoints(atout_);
        if (pos == premierJoueur) continue;
        const bool compte = carte.getCouleur() == couleurDemandee || carte.getCouleur() == valeur(atout_);
        if (compte && carte.estPlusForteQue(*carteJoueePar[joueurQuiALaCarteLaPlusForte], atout_))
            joueurQuiALaCarteLaPlusForte = pos;
    }
    TW_ASSERT(totalPoints >= 0, "Partie");
    TW_ASSERT(totalPoints < 157, "Partie");

    if (siege::equipe(joueurQuiALaCarteLaPlusForte) == 0) {
        pointsEquipe1_ += multiplicateur_ * totalPoints;
        cartesRamasseesEq1_ += 4;
    } else {
        pointsEquipe2_ += multiplicateur_ * totalPoints;
        cartesRamasseesEq2_ += 4;
    }
    for (auto& carte : carteJoueePar) carte = nullptr;
    return joueurQuiALaCarteLaPlusForte;
}

const Carte* Partie::plusFortAtoutDuPli() const {
    const Carte* plusFort = nullptr;
    for (const Carte* carte : carteJoueePar) {
        if (!carte || carte->getCouleur() != valeur(atout_)) continue;
        if (!plusFort || carte->getForce(atout_) > plusFort->getForce(atout_)) plusFort = carte;
    }
    return plusFort;
}

StatusCarteJouee Partie::carteEstRefusee(const Carte& carte, int joueurNo, const CarteSet& cartesEnMain) const {
    TW_ASSERT(noDuProchainAJouer_ == joueurNo, "Partie");
    if (carteNo_ == 0) return StatusCarteJouee::OuvreLePli;

    const Carte* entame = carteJoueePar[noDuJoueurQuiACommence_];
    TW_ASSERT(carteJoueePar[noDuJoueurQuiACommence_] != NULL, "Partie");
    if (!entame) return StatusCarteJouee::Invalide;
    const int couleurDemandee = entame->getCouleur();
    const int atout = valeur(atout_);
    StatusCarteJouee result = StatusCarteJouee::Invalide;

    if (carte.getCouleur() == atout && couleurDemandee != atout) {
        const Carte* plusFort = plusFortAtoutDuPli();
        if (!plusFort) {
            result = StatusCarteJouee::CoupeLePli;
        } else if (carte.estPlusForteQue(*plusFort, atout_)) {
            result = StatusCarteJouee::SurCoupe;
        } else {
            bool autreChoix = false;
            for (const Carte& autre : cartesEnMain) {
                if (&autre == &carte) continue;
                if (autre.getCouleur() != atout || autre.estPlusForteQue(*plusFort, atout_)) autreChoix = true;
            }
            result = autreChoix ? StatusCarteJouee::RefuseeSousCoupe : StatusCarteJouee::SousCoupeObligee;
        }
    } else if (carte.getCouleur() == couleurDemandee) {
        result = StatusCarteJouee::CouleurDemandee;
    } else {
        const CarteSet couleurEnMain = cartesEnMain.deCouleur(couleurDemandee);
        bool seulementLeBour = true;
        for (const Carte& autre : couleurEnMain)
            if (!(autre.getCouleur() == atout && autre.getPosition() == Carte::Valet)) seulementLeBour = false;
        if (couleurEnMain.empty())
            result = StatusCarteJouee::NePeutPasServir;
        else
            result = seulementLeBour ? StatusCarteJouee::BourConserve : StatusCarteJouee::RefuseeDoitServir;
    }
    TW_ASSERT(result != StatusCarteJouee::Invalide, "Partie");
    return result;
}

CarteSet Partie::cartesJouables(const CarteSet& cartesEnMain) const {
    if (carteNo_ == 0) return cartesEnMain;
    const Carte* entame = carteJoueePar[noDuJoueurQuiACommence_];
    if (!entame) return {};
    const Carte* plusFort = plusFortAtoutDuPli();
    return CarteSet::depuisMasque(::cartesJouables(cartesEnMain.masque(), entame->getCouleur(), atout_,
                                                   plusFort ? plusFort->getForce(atout_) : 0));
}
