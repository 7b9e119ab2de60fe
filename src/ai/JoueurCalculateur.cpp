#include "ai/JoueurCalculateur.h"

#include "platform/Assertion.h"
#include "platform/TableDesTextes.h"

namespace {
constexpr int ID_TITRE_ANALYSE = 3842;
}

JoueurCalculateur::JoueurCalculateur(const ContexteJoueur& contexte, const char* source)
    : Joueur(contexte),
      aleatoire_(true),
      analyse_(std::make_unique<AnalyseJoueur>()),
      typeDePartie_(contexte.typeDePartie),
      minuterieConfirmeAnnonces_(
          creeConfirmation(&JoueurCalculateur::minuterieConfirmeAnnonces_, &Joueur::annoncesConfirmees)),
      minuterieDistribue_(creeConfirmation(&JoueurCalculateur::minuterieDistribue_, &Joueur::distributionConfirmee)),
      minuterieRamasseTas_(creeConfirmation(&JoueurCalculateur::minuterieRamasseTas_, &Joueur::tasRamasse)),
      minuterieFinDePartie_(creeConfirmation(&JoueurCalculateur::minuterieFinDePartie_, &Joueur::finDePartieConfirmee)),
      minuterieDecision_(Plateforme::courante().creeMinuterie([this] { remet(); })) {
    TW_ASSERT(noJoueur_ >= 0 && noJoueur_<4, source);
    analyse_->setTitre(formate(ID_TITRE_ANALYSE, nom()));
    analyse_->setSiege(noJoueur_);
    fenetreAnalyse_ = creeFenetreAnalyse(*analyse_);
}

// A table is replaced whenever the user starts or opens another game, which may fall between a
// request and its answer: the pending answer is dropped with its timer and the table it was
// meant for.
JoueurCalculateur::~JoueurCalculateur() = default;

std::unique_ptr<Minuterie> JoueurCalculateur::creeConfirmation(MinuterieDuJoueur minuterie,
                                                               void (Joueur::*confirmation)(int)) {
    return Plateforme::courante().creeMinuterie([this, minuterie, confirmation] {
        (this->*minuterie)->arrete();
        // Cleared first: the confirmation is processed at once and may lead to the next request,
        // which can defer a new confirmation of this player before this call returns.
        eventPending_ = false;
        (this->*confirmation)(noDemande_);
    });
}

void JoueurCalculateur::confirmePlusTard(Minuterie& minuterie) {
    eventPending_ = true;
    minuterie.demarre(DELAI_CONFIRMATION_MS, false);
}

void JoueurCalculateur::remetAtout(const StatusAtout& statusAtout, Instant debut) {
    atoutDecide_ = statusAtout;
    decision_ = Decision::Atout;
    remetDecision(debut);
}

void JoueurCalculateur::remetCarte(const Carte& carte, Instant debut) {
    carteDecidee_ = &carte;
    decision_ = Decision::Carte;
    remetDecision(debut);
}

void JoueurCalculateur::remetDecision(Instant debut) {
    using namespace std::chrono;
    noDemandeDecidee_ = noDemande_;
    const auto ecoule = duration_cast<microseconds>(maintenant() - debut).count();
    // Rounded up: the answer never comes before the minimum time is over.
    const auto attente = (DELAI_MINIMUM_MS * 1000LL - ecoule + 999) / 1000;
    if (analyse_->estVisible() || attente <= 0) {
        remet();
        return;
    }
    minuterieDecision_->demarre(static_cast<int>(attente), false);
}

void JoueurCalculateur::remet() {
    minuterieDecision_->arrete();
    const Decision decision = decision_;
    decision_ = Decision::Aucune;
    if (decision == Decision::Atout)
        choixAtoutFait(atoutDecide_, noDemandeDecidee_);
    else if (decision == Decision::Carte)
        cartePosee(*carteDecidee_, noDemandeDecidee_);
}

void JoueurCalculateur::annonce(CarteSet cartesEnMain) { annoncesFaites(Annonces(cartesEnMain), noDemande_); }

void JoueurCalculateur::distribue() { confirmePlusTard(*minuterieDistribue_); }

void JoueurCalculateur::finDePartie(bool, bool) {
    analyse_->videTexte();
    confirmePlusTard(*minuterieFinDePartie_);
}

void JoueurCalculateur::ramasseTas() { confirmePlusTard(*minuterieRamasseTas_); }

void JoueurCalculateur::confirmeAnnoncesPlusTard() { confirmePlusTard(*minuterieConfirmeAnnonces_); }

void JoueurCalculateur::montreCartes() { analyse_->montre(); }

void JoueurCalculateur::cacheCartes() { analyse_->cache(); }
