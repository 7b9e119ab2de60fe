#include "players/JoueurHumain.h"

#include "platform/Assertion.h"
#include "platform/TableDesTextes.h"
#include "rules/TypeDePartie.h"
#include "events/EvenementDeJeu.h"
#include "events/ListeDesEvenements.h"
#include "format/SpacesSeparatedString.h"
#include "models/TasCentral.h"

namespace {

// Texts of the string table used here.
enum IdTexte {
    ID_TITRE_FIN_DE_PARTIE = 1281,
};

}  // namespace

JoueurHumain::JoueurHumain(const ContexteJoueur& contexte)
    : JoueurSansMemoire(contexte, this),
      panelTasCentral_(contexte.tasCentral),
      typeDePartie_(contexte.typeDePartie),
      table_(contexte.table) {
    TW_ASSERT(options_.getRace() == OptionsDuJoueur::Humain, "JoueurHumain");
    // The acknowledgement of the end goes out once the result box's call has returned: its
    // processing starts new requests, which must not run inside the box.
    timerFin_ = Plateforme::courante().creeMinuterie([this] {
        timerFin_->arrete();
        finDePartieConfirmee(noDemande_);
    });
    panelTasCentral_.surLacher = [this] { carteLachee(); };
    panelTasCentral_.surSurvol = [this](const Carte* carte) { informationCarte(carte); };
}

JoueurHumain::~JoueurHumain() {
    panelTasCentral_.surLacher = nullptr;
    panelTasCentral_.surSurvol = nullptr;
}

void JoueurHumain::choisitAtout(StatusAtout status, CarteSet) {
    panelDuJoueur_->attendAtout(!status.estChibre, noDemande_);
}

void JoueurHumain::annonce(CarteSet main) { annoncesFaites(Annonces(main), noDemande_); }

void JoueurHumain::choisitCarte(const Partie&, int, CarteSet) { panelDuJoueur_->attendCarte(noDemande_); }

void JoueurHumain::distribue() { panelDuJoueur_->attendDistribue(noDemande_); }

void JoueurHumain::finDePartie(bool gagne, bool egalite) {
    const int message = egalite ? 1287 : gagne ? 1280 : 1282;
    Plateforme::courante().information(texte(message), texte(ID_TITRE_FIN_DE_PARTIE));
    timerFin_->demarre(1, false);
}

void JoueurHumain::ramasseTas() { panelDuJoueur_->attendRamasse(noDemande_); }

void JoueurHumain::confirmeAnnonces() { panelDuJoueur_->attendConfirmationAnnonces(noDemande_); }

StatusCarteJouee JoueurHumain::carteJouable(const Carte& carte) { return table_.statutCarte(&carte, noJoueur_); }

void JoueurHumain::carteChoisie(const Carte& carte, int idDemande) { cartePosee(carte, idDemande); }

void JoueurHumain::atoutChoisi(StatusAtout status) {
    panelDuJoueur_->cacheBoutons();
    status.multiplicateur = typeDePartie_.getMultiplicateur(status.atout);
    choixAtoutFait(status, noDemande_);
}

void JoueurHumain::distributionDemandee() {
    panelDuJoueur_->finDistribue();
    distributionConfirmee(noDemande_);
}

void JoueurHumain::tasConfirme() {
    panelDuJoueur_->finRamasse();
    tasRamasse(noDemande_);
}

void JoueurHumain::annoncesVues() {
    panelDuJoueur_->finConfirmationAnnonces();
    annoncesConfirmees(noDemande_);
}

void JoueurHumain::envoieMessage(const std::string& texte) {
    if (texte.empty()) return;
    listeDesEvenements_.ajoute(EvenementDeJeu(TypeEvenement::Message, SpacesSeparatedString::champEncodable(texte),
                                              static_cast<EvenementDeJeu::Intervenant>(noJoueur_),
                                              EvenementDeJeu::NumeroMessageJoueur));
}

void JoueurHumain::afficheMessage(const std::string& texte) { panelDuJoueur_->ajouteMessage(texte); }

void JoueurHumain::carteLachee() {
    // A drop is the user's gesture, not the program's sequencing: out of turn it is ignored.
    const int etat = table_.etatJeu();
    if (!EvenementDeJeu::estEtatCarte(etat) || table_.prochainJoueur() != identification()) return;
    const Carte* carte = panelDuJoueur_->carteSelectionnee();
    if (carte) panelDuJoueur_->joueCarteSelectionnee();
}

void JoueurHumain::informationCarte(const Carte* carte) {
    auto& lignes = panelDuJoueur_->lignesInformation();
    lignes.clear();
    if (carte) {
        lignes.push_back(carte->texteInformation(panelDuJoueur_->atoutAffiche()));
        lignes.push_back("");
    }
    panelDuJoueur_->rafraichit();
}
