// Events from game files and the network are checked against the table's state before anything
// of them is applied, so that outside input never reaches the table's internal checks.
#include "players/Joueur.h"
#include "rules/TypeDePartie.h"
#include "table/Table.h"
#include "rules/Siege.h"

void Table::verifieEvenementAttendu(const EvenementDeJeu& evenement) const {
    const int etat = etatJeu_;
    const TypeEvenement type = evenement.getType();
    const int intervenant = evenement.getIntervenant();
    const auto refuse = [] { throw Exception(TEXTE_EVENEMENT_INVALIDE); };
    const auto exigeSiege = [&](int siege) {
        if (intervenant != siege || !joueur_[siege]) refuse();
    };

    if (type == TypeEvenement::Message) {
        if (intervenant == EvenementDeJeu::Table) refuse();
        return;
    }
    if (evenement.getNoEvenement() != etat) refuse();
    if (etat == EvenementDeJeu::InscriptionTypeDePartie) {
        if (type != TypeEvenement::InscriptionTypeDePartie || intervenant != EvenementDeJeu::Table) refuse();
    } else if (etat >= EvenementDeJeu::InscriptionJoueur_0 && etat <= EvenementDeJeu::InscriptionJoueur_3) {
        if (type != TypeEvenement::InscriptionJoueur || intervenant != EvenementDeJeu::Table) refuse();
    } else if (etat == EvenementDeJeu::AttendEnregistrementSettings) {
        if (type != TypeEvenement::EnregistrementSettingsPartie || intervenant != EvenementDeJeu::Table) refuse();
    } else if (etat >= EvenementDeJeu::AttendDistribue1 && etat <= EvenementDeJeu::AttendDistribue4) {
        if (type != TypeEvenement::Distribue) refuse();
        exigeSiege(etat - EvenementDeJeu::AttendDistribue1);
    } else if (etat == EvenementDeJeu::AttendAtout || etat == EvenementDeJeu::AttendAtoutChibre) {
        if (type != TypeEvenement::ChoisitAtout || partie_) refuse();
        const bool apresChibre = etat == EvenementDeJeu::AttendAtoutChibre;
        exigeSiege(apresChibre ? siege::partenaire(joueurDoitChoisirAtout_) : joueurDoitChoisirAtout_);
        StatusAtout status;
        status.load(evenement.getDonnees());
        const TypeDePartie& variante = optionsDePartie_.getTypeDePartie();
        // The partner of a chibre answers on the record it was given: chibre still set, and a mode.
        if (apresChibre ? !status.estChoisi : status.estChoisi == status.estChibre) refuse();
        if (status.estChoisi && (valeur(status.atout) < 1 || valeur(status.atout) > variante.getNbAtoutsPossibles() ||
                                 status.multiplicateur != variante.getMultiplicateur(status.atout)))
            refuse();
    } else if (etat >= EvenementDeJeu::AttendAnnonce1 && etat <= EvenementDeJeu::AttendAnnonce4) {
        if (type != TypeEvenement::Annonce || !partie_) refuse();
        const int siege = prochainJoueur();
        exigeSiege(siege);
        if (!(Annonces(evenement.getDonnees()) == Annonces(joueur_[siege]->getMain()))) refuse();
    } else if (etat >= EvenementDeJeu::AttendConfirmationAnnonces1 &&
               etat <= EvenementDeJeu::AttendConfirmationAnnonces4) {
        if (type != TypeEvenement::ConfirmationAnnonce) refuse();
        exigeSiege(etat - EvenementDeJeu::AttendConfirmationAnnonces1);
    } else if (EvenementDeJeu::estEtatCarte(etat)) {
        if (type != TypeEvenement::AjouteCarte || !partie_) refuse();
        const int siege = partie_->noDuProchainAJouer();
        exigeSiege(siege);
        const Carte* carte = EvenementDeJeu::carteDuParametre(evenement.getDonnees());
        if (!carte || !partie_->cartesJouables(joueur_[siege]->getMain()).contient(*carte)) refuse();
    } else if (EvenementDeJeu::estEtatRamasseTas(etat)) {
        if (type != TypeEvenement::RamasseTas || !partie_) refuse();
        exigeSiege(EvenementDeJeu::siegeDuRamasseTas(etat));
    } else if (etat >= EvenementDeJeu::AttendFinDePartie1 && etat <= EvenementDeJeu::AttendFinDePartie4) {
        if (type != TypeEvenement::FinDePartie) refuse();
        const int sieges[4] = {0, 2, 1, 3};
        exigeSiege(sieges[etat - EvenementDeJeu::AttendFinDePartie1]);
    } else {
        refuse();
    }
}
