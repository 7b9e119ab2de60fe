#include "JoueurDeReference.h"

#include "rules/TypeDePartie.h"
#include "format/SpacesSeparatedString.h"

JoueurDeReference::JoueurDeReference(const ContexteJoueur& contexte, std::int32_t graine)
    : JoueurSansMemoire(contexte), aleatoire_(true), typeDePartie_(contexte.typeDePartie) {
    SpacesSeparatedString etat;
    etat.addInt(0);
    etat.addInt(graine);
    etat.addInt(0);
    aleatoire_.load(etat.toString());
    minuterie_ = Plateforme::courante().creeMinuterie([this] {
        minuterie_->arrete();
        reponse_(noDemande_);
    });
}

void JoueurDeReference::repondPlusTard(std::function<void(int)> reponse) {
    reponse_ = std::move(reponse);
    minuterie_->demarre(1, false);
}

void JoueurDeReference::choisitAtout(StatusAtout, CarteSet main) {
    StatusAtout choix;
    choix.estChoisi = true;
    int meilleurPoids = -1;
    for (int mode = 1; mode <= typeDePartie_.getNbAtoutsPossibles(); ++mode) {
        int poids = 0;
        for (const Carte& carte : main) poids += carte.valeurPourChoixAtout(Atout(mode));
        if (poids > meilleurPoids) {
            meilleurPoids = poids;
            choix.atout = Atout(mode);
        }
    }
    choix.multiplicateur = typeDePartie_.getMultiplicateur(choix.atout);
    repondPlusTard([this, choix](int numero) { choixAtoutFait(choix, numero); });
}

void JoueurDeReference::annonce(CarteSet main) {
    const Annonces annonces(main);
    repondPlusTard([this, annonces](int numero) { annoncesFaites(annonces, numero); });
}

void JoueurDeReference::choisitCarte(const Partie& partie, int, CarteSet main) {
    const CarteSet jouables = partie.cartesJouables(main);
    const Carte* carte = jouables.kieme(static_cast<unsigned>(aleatoire_.tire(static_cast<int>(jouables.size()))));
    repondPlusTard([this, carte](int numero) { cartePosee(*carte, numero); });
}

void JoueurDeReference::distribue() {
    repondPlusTard([this](int numero) { distributionConfirmee(numero); });
}

void JoueurDeReference::finDePartie(bool, bool) {
    repondPlusTard([this](int numero) { finDePartieConfirmee(numero); });
}

void JoueurDeReference::ramasseTas() {
    repondPlusTard([this](int numero) { tasRamasse(numero); });
}

void JoueurDeReference::confirmeAnnonces() {
    repondPlusTard([this](int numero) { annoncesConfirmees(numero); });
}
