#include "ai/AI_Joueur.h"

#include "ai/AI_ChoixAtout.h"
#include "ai/AI_ChoixCarte.h"
#include "platform/Assertion.h"
#include "platform/TableDesTextes.h"

namespace {
constexpr const char* SOURCE = "AI_Joueur";
constexpr int ID_TITRE_ANALYSE = 3842;
}  // namespace

AI_Joueur::AI_Joueur(const ContexteJoueur& contexte)
    : Joueur(contexte),
      aleatoire_(true),
      analyse_(std::make_unique<AnalyseJoueur>()),
      probas_(*analyse_, options_.getNiveau()),
      minuterieConfirmeAnnonces_(creeConfirmation(&AI_Joueur::minuterieConfirmeAnnonces_, &Joueur::annoncesConfirmees)),
      minuterieDistribue_(creeConfirmation(&AI_Joueur::minuterieDistribue_, &Joueur::distributionConfirmee)),
      minuterieRamasseTas_(creeConfirmation(&AI_Joueur::minuterieRamasseTas_, &Joueur::tasRamasse)),
      minuterieFinDePartie_(creeConfirmation(&AI_Joueur::minuterieFinDePartie_, &Joueur::finDePartieConfirmee)),
      typeDePartie_(contexte.typeDePartie),
      minuterieDecision_(Plateforme::courante().creeMinuterie([this] { remet(); })) {
    TW_ASSERT(noJoueur_ >= 0 && noJoueur_<4, SOURCE);
    analyse_->setTitre(formate(ID_TITRE_ANALYSE, nom()));
    analyse_->setSiege(noJoueur_);
    fenetreAnalyse_ = creeFenetreAnalyse(*analyse_);
}

// A table is replaced whenever the user starts or opens another game, which may fall between a
// request and its answer: the pending answer is dropped with its timer and the table it was
// meant for.
AI_Joueur::~AI_Joueur() = default;

std::unique_ptr<Minuterie> AI_Joueur::creeConfirmation(MinuterieDuJoueur minuterie,
                                                       void (Joueur::*confirmation)(int)) {
    return Plateforme::courante().creeMinuterie([this, minuterie, confirmation] {
        (this->*minuterie)->arrete();
        // Cleared first: the confirmation is processed at once and may lead to the next request,
        // which can defer a new confirmation of this player before this call returns.
        eventPending_ = false;
        (this->*confirmation)(noDemande_);
    });
}

void AI_Joueur::confirmePlusTard(Minuterie& minuterie) {
    eventPending_ = true;
    minuterie.demarre(DELAI_CONFIRMATION_MS, false);
}

void AI_Joueur::remetDecision(Instant debut) {
    using namespace std::chrono;
    const auto ecoule = duration_cast<microseconds>(Plateforme::courante().maintenant() - debut).count();
    // Rounded up: the answer never comes before the minimum time is over.
    const auto attente = (DELAI_MINIMUM_MS * 1000LL - ecoule + 999) / 1000;
    if (analyse_->estVisible() || attente <= 0) {
        remet();
        return;
    }
    minuterieDecision_->demarre(static_cast<int>(attente), false);
}

void AI_Joueur::remet() {
    minuterieDecision_->arrete();
    const Decision decision = decision_;
    decision_ = Decision::Aucune;
    if (decision == Decision::Atout)
        choixAtoutFait(atoutDecide_, noDemandeDecidee_);
    else if (decision == Decision::Carte)
        cartePosee(*carteDecidee_, noDemandeDecidee_);
}

void AI_Joueur::choisitAtout(StatusAtout statusAtout, CarteSet cartesEnMain) {
    const Instant debut = Plateforme::courante().maintenant();
    atoutDecide_ = AI_ChoixAtout::choisit(statusAtout, cartesEnMain, typeDePartie_);
    decision_ = Decision::Atout;
    noDemandeDecidee_ = noDemande_;
    remetDecision(debut);
}

void AI_Joueur::annonce(CarteSet cartesEnMain) { annoncesFaites(Annonces(cartesEnMain), noDemande_); }

void AI_Joueur::choisitCarte(const Partie& partie, int joueurDoitChoisirAtout, CarteSet cartesEnMain) {
    const Instant debut = Plateforme::courante().maintenant();
    const AI_ChoixCarte choix(noJoueur_, options_.getNiveau(), options_.getDepartAtoutPlusHaut());
    const Carte* result = choix.choisit(partie, joueurDoitChoisirAtout, cartesEnMain, probas_, aleatoire_, *analyse_);
    TW_ASSERT(result != NULL, SOURCE);
    if (!result) return;
    carteDecidee_ = result;
    decision_ = Decision::Carte;
    noDemandeDecidee_ = noDemande_;
    remetDecision(debut);
}

void AI_Joueur::demandeDistribue(const InfoDemande& demande) {
    probas_.reinitialise();
    Joueur::demandeDistribue(demande);
}

void AI_Joueur::distribue() { confirmePlusTard(*minuterieDistribue_); }

void AI_Joueur::finDePartie(bool, bool) {
    analyse_->videTexte();
    confirmePlusTard(*minuterieFinDePartie_);
}

void AI_Joueur::ramasseTas() { confirmePlusTard(*minuterieRamasseTas_); }

void AI_Joueur::confirmeAnnonces() { confirmePlusTard(*minuterieConfirmeAnnonces_); }

void AI_Joueur::montreCartes() { analyse_->montre(); }

void AI_Joueur::cacheCartes() { analyse_->cache(); }

void AI_Joueur::carteJouee(const Carte&, const Partie& partie) { probas_.metAJour(partie); }

void AI_Joueur::annonceFaite(int joueurNo, const Annonces& annonces) {
    for (const Annonce* annonce : {&annonces.getAnnoncePrincipale(), &annonces.getAnnonce2(), &annonces.getAnnonce3()}) {
        if (annonce->type == Annonce::PasDAnnonce) continue;
        for (int posInAnnonce = 0; posInAnnonce < annonce->getNbCartes(); ++posInAnnonce) {
            Carte::Couleur couleur;
            Carte::Position position;
            if (annonce->getCarte(posInAnnonce, couleur, position)) probas_.annonceCarte(joueurNo, couleur, position);
        }
    }
}

void AI_Joueur::mainDeJoueur(CarteSet cartes, int joueurNo) { probas_.ajouteMain(cartes, joueurNo); }

void AI_Joueur::recoitCartes(CarteSet cartesEnMain) { probas_.ajouteMain(cartesEnMain, noJoueur_); }

std::unique_ptr<Joueur> creeAIJoueur(const ContexteJoueur& contexte) { return std::make_unique<AI_Joueur>(contexte); }
