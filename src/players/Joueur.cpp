#include "players/Joueur.h"

#include "platform/Assertion.h"
#include "platform/Exception.h"
#include "platform/Plateforme.h"
#include "platform/TableDesTextes.h"
#include "events/EvenementDeJeu.h"
#include "events/ListeDesEvenements.h"

namespace {

// Texts of the string table used here.
enum IdTexte {
    ID_OK = 1184,
    ID_OK_DISTRIBUE = 1185,
};

constexpr int PAUSE_LONGUE_MS = 1500;
constexpr int PAUSE_COURTE_MS = 375;

void traiteMessagesSi(bool afficher) {
    if (afficher) Plateforme::courante().traiteMessagesEnAttente();
}
}  // namespace

Joueur::Joueur(const ContexteJoueur& contexte, ReponsesDuPanel* reponses)
    : noJoueur_(contexte.noJoueur),
      jeuDeCartes_(contexte.jeu),
      options_(contexte.options),
      listeDesEvenements_(contexte.liste),
      panelDuJoueur_(std::make_unique<PanelDeJoueur>(options_.nom(), noJoueur_, options_.getRace(),
                                                     options_.estDistant(), reponses, contexte.typeDePartie,
                                                     contexte.reseau)) {
    TW_ASSERT(noJoueur_ >= 0 && noJoueur_ < 4, "Joueur");
}

Joueur::~Joueur() { panelDuJoueur_->afficheCartes(CarteSet(), false); }

void Joueur::pause(bool afficher, bool courte) {
    if (!afficher) return;
    Plateforme::courante().traiteMessagesEnAttente();
    Plateforme::courante().attend(courte ? PAUSE_COURTE_MS : PAUSE_LONGUE_MS);
}

void Joueur::demandeChoixAtout(StatusAtout status, const InfoDemande& demande) {
    noDemande_ = demande.noDemande();
    panelDuJoueur_->afficheBoutons();
    traiteMessagesSi(demande.doitAfficher());
    if (demande.estRejeu())
        pause(demande.doitAfficher(), false);
    else
        choisitAtout(status, getMain());
}

void Joueur::demandeAnnonce(const InfoDemande& demande) {
    noDemande_ = demande.noDemande();
    traiteMessagesSi(demande.doitAfficher());
    if (demande.estRejeu())
        pause(demande.doitAfficher(), false);
    else
        annonce(getMain());
}

void Joueur::demandeCarte(const Partie& partie, int premierJoueur, const InfoDemande& demande) {
    noDemande_ = demande.noDemande();
    panelDuJoueur_->signaleCartes();
    traiteMessagesSi(demande.doitAfficher());
    if (demande.estRejeu())
        pause(demande.doitAfficher(), false);
    else
        choisitCarte(partie, premierJoueur, getMain());
}

void Joueur::demandeDistribue(const InfoDemande& demande) {
    noDemande_ = demande.noDemande();
    if (!demande.estRejeu()) distribue();
}

void Joueur::demandeFinDePartie(bool gagne, bool egalite, const InfoDemande& demande) {
    noDemande_ = demande.noDemande();
    if (!demande.estRejeu()) finDePartie(gagne, egalite);
}

void Joueur::demandeRamasseTas(const InfoDemande& demande) {
    noDemande_ = demande.noDemande();
    if (demande.estRejeu())
        pause(demande.doitAfficher(), true);
    else
        ramasseTas();
}

void Joueur::demandeConfirmationAnnonces(const InfoDemande& demande) {
    noDemande_ = demande.noDemande();
    if (demande.estRejeu())
        pause(demande.doitAfficher(), true);
    else
        confirmeAnnonces();
}

void Joueur::ajouteEvenement(TypeEvenement type, const std::string& donnees, int numero) {
    try {
        listeDesEvenements_.ajoute(
            EvenementDeJeu(type, donnees, static_cast<EvenementDeJeu::Intervenant>(noJoueur_), numero));
    } catch (const Exception&) {
        // The table no longer expects this decision: what another computer sent moved it on while
        // this player thought. Dropped, it is recorded nowhere, and the table goes on with the
        // events that come; a peer's own errors are told where they arrive.
    }
}

void Joueur::choixAtoutFait(const StatusAtout& status, int numero) {
    panelDuJoueur_->cacheBoutons();
    panelDuJoueur_->afficheAtout(status);
    ajouteEvenement(TypeEvenement::ChoisitAtout, status.save(), numero);
}

void Joueur::annoncesFaites(const Annonces& annonces, int numero) {
    ajouteEvenement(TypeEvenement::Annonce, annonces.save(), numero);
}

void Joueur::annoncesConfirmees(int numero) {
    panelDuJoueur_->finConfirmationAnnonces();
    ajouteEvenement(TypeEvenement::ConfirmationAnnonce, texte(ID_OK), numero);
}

void Joueur::cartePosee(const Carte& carte, int numero) {
    panelDuJoueur_->arreteCartes();
    ajouteEvenement(TypeEvenement::AjouteCarte, EvenementDeJeu::parametreDeCarte(carte), numero);
}

void Joueur::distributionConfirmee(int numero) {
    panelDuJoueur_->finDistribue();
    ajouteEvenement(TypeEvenement::Distribue, texte(ID_OK_DISTRIBUE), numero);
}

void Joueur::tasRamasse(int numero) {
    panelDuJoueur_->finRamasse();
    ajouteEvenement(TypeEvenement::RamasseTas, texte(ID_OK), numero);
}

void Joueur::finDePartieConfirmee(int numero) {
    panelDuJoueur_->afficheCartes(CarteSet(), false);
    ajouteEvenement(TypeEvenement::FinDePartie, texte(ID_OK), numero);
    noDemande_ = -1;
}

void Joueur::donneCartes(CarteSet main) {
    panelDuJoueur_->afficheCartes(main, !options_.estHumainLocal());
    panelDuJoueur_->afficheAtout(StatusAtout());
    recoitCartes(main);
}

// The information on a card explains it in the mode of the trick to come.
void Joueur::informeCarteJouee(const Carte& carte, const Partie& partie) {
    panelDuJoueur_->setAtoutAffiche(partie.atout());
    panelDuJoueur_->rafraichit();
    carteJouee(carte, partie);
}

void Joueur::montreAnnonces(const Annonces& annonces) { panelDuJoueur_->afficheAnnonces(annonces); }

void Joueur::reafficheMain() { panelDuJoueur_->afficheCartes(getMain(), !options_.estHumainLocal()); }

void Joueur::montreTout() {
    panelDuJoueur_->afficheCartes(getMain(), false);
    montreCartes();
}

void Joueur::cacheTout() {
    reafficheMain();
    cacheCartes();
}

CarteSet Joueur::getMain() const { return panelDuJoueur_->cartes(); }
