#include "events/VerificationEvenement.h"

#include <string>

#include "platform/Exception.h"
#include "rules/OptionsDuJoueur.h"
#include "rules/Annonces.h"
#include "rules/OptionsDePartie.h"
#include "rules/StatusAtout.h"
#include "events/EvenementDeJeu.h"
#include "events/SettingsPartie.h"

namespace {

using E = EvenementDeJeu;

[[noreturn]] void refuse(const EvenementDeJeu& evenement, const std::string& raison) {
    throw ErreurDeFormat(nomTypeEvenement(evenement.getType()) + " from actor " +
                         std::to_string(evenement.getIntervenant()) + " numbered " +
                         std::to_string(evenement.getNoEvenement()) + ": " + raison);
}

bool estDeLaTable(TypeEvenement type) {
    return type == TypeEvenement::InscriptionTypeDePartie || type == TypeEvenement::InscriptionJoueur ||
           type == TypeEvenement::EnregistrementSettingsPartie;
}

// The numbers at which the table consumes each kind, for the actor of the event.
bool numeroAttendu(TypeEvenement type, int siege, std::int32_t numero) {
    switch (type) {
        case TypeEvenement::InscriptionTypeDePartie:
            return numero == E::InscriptionTypeDePartie;
        case TypeEvenement::InscriptionJoueur:
            return numero >= E::InscriptionJoueur_0 && numero <= E::InscriptionJoueur_3;
        case TypeEvenement::EnregistrementSettingsPartie:
            return numero == E::AttendEnregistrementSettings;
        case TypeEvenement::Distribue:
            return numero == E::AttendDistribue1 + siege;
        case TypeEvenement::ChoisitAtout:
            return numero == E::AttendAtout || numero == E::AttendAtoutChibre;
        case TypeEvenement::Annonce:
            return numero >= E::AttendAnnonce1 && numero <= E::AttendAnnonce4;
        case TypeEvenement::ConfirmationAnnonce:
            return numero == E::AttendConfirmationAnnonces1 + siege;
        case TypeEvenement::AjouteCarte:
            return E::estEtatCarte(numero);
        case TypeEvenement::RamasseTas:
            return E::estEtatRamasseTas(numero) && E::siegeDuRamasseTas(numero) == siege;
        case TypeEvenement::FinDePartie:
            return numero == E::etatFinDePartie(siege);
        case TypeEvenement::Message:
            return numero == E::NumeroMessageJoueur;
        default:
            // Kinds of older versions: the table refuses them, whatever they carry.
            return true;
    }
}

void verifieActeurEtNumero(const EvenementDeJeu& evenement) {
    const TypeEvenement type = evenement.getType();
    const bool parLaTable = evenement.getIntervenant() == E::Table;
    if (type == TypeEvenement::Message && evenement.getNoEvenement() == E::NumeroInscription) {
        if (!parLaTable) refuse(evenement, "a registration comes from the table");
        return;
    }
    if (type == TypeEvenement::Reserve17 || type == TypeEvenement::Reserve20) return;
    if (estDeLaTable(type) && !parLaTable) refuse(evenement, "only the table produces this kind");
    if (!estDeLaTable(type) && parLaTable) refuse(evenement, "only a player produces this kind");
    if (!numeroAttendu(type, evenement.getIntervenant(), evenement.getNoEvenement()))
        refuse(evenement, "the table never consumes this kind at that number");
}

void verifieChoixAtout(const EvenementDeJeu& evenement) {
    StatusAtout statusAtout;
    statusAtout.load(evenement.getDonnees());
    // A partner answering a chibre keeps the chibre flag it was given and adds its mode.
    if (!statusAtout.estChibre && !statusAtout.estChoisi)
        refuse(evenement, "a trump decision is either a chosen mode or chibre");
    if (statusAtout.estChoisi && statusAtout.atout == Atout::Invalide) refuse(evenement, "no trump mode chosen");
    // After a chibre the partner must choose: passing again would leave the deal without a mode.
    if (!statusAtout.estChoisi && evenement.getNoEvenement() == E::AttendAtoutChibre)
        refuse(evenement, "the partner of a chibre cannot chibre again");
    if (statusAtout.estChoisi && statusAtout.estChibre && evenement.getNoEvenement() != E::AttendAtoutChibre)
        refuse(evenement, "only the partner of a chibre answers with both flags");
}

void verifieParametre(const EvenementDeJeu& evenement) {
    const std::string& donnees = evenement.getDonnees();
    switch (evenement.getType()) {
        case TypeEvenement::InscriptionTypeDePartie:
            OptionsDePartie().load(donnees);
            return;
        case TypeEvenement::InscriptionJoueur:
            OptionsDuJoueur().load(donnees);
            return;
        case TypeEvenement::EnregistrementSettingsPartie:
            SettingsPartie().load(donnees);
            return;
        case TypeEvenement::ChoisitAtout:
            verifieChoixAtout(evenement);
            return;
        case TypeEvenement::Annonce:
            static_cast<void>(Annonces(donnees));
            return;
        case TypeEvenement::AjouteCarte:
            if (!EvenementDeJeu::carteDuParametre(donnees)) refuse(evenement, "no card has that identifier");
            return;
        case TypeEvenement::Message:
            if (evenement.getNoEvenement() == E::NumeroInscription) OptionsDuJoueur().load(donnees);
            return;
        default:
            // Confirmations and chat carry free text.
            return;
    }
}

}  // namespace

void verifieEvenement(const EvenementDeJeu& evenement) {
    verifieActeurEtNumero(evenement);
    verifieParametre(evenement);
}
