#include "net/Client.h"

#include <algorithm>
#include <optional>

#include "events/EvenementDeJeu.h"
#include "events/ListeDesEvenements.h"
#include "platform/Exception.h"
#include "platform/TableDesTextes.h"

namespace {

enum IdTexte {
    ID_SERVEUR_PERDU = 768,
    ID_TITRE_CONNEXION_INTERROMPUE = 769,
    ID_TITRE_ERREUR_CLIENT = 770,
    ID_ERREUR_CLIENT = 771,
    ID_MESSAGE_ILLISIBLE_SERVEUR = 772,
    ID_TITRE_CLIENT_INCOMPATIBLE = 2832,
    ID_TITRE_MESSAGE_ILLISIBLE = 2834,
};

}  // namespace

Client::Client(std::unique_ptr<LienSortant> lien, std::uint16_t port, ListeDesEvenements& liste,
               FenetresReseau& fenetres)
    : lien_(std::move(lien)), port_(port), listeDesEvenements_(liste), fenetres_(fenetres) {
    lien_->setObservateur(this);
    minuterie_ = Plateforme::courante().creeMinuterie([this] { repete(); });
}

Client::~Client() {
    *vivant_ = false;
    minuterie_->arrete();
    lien_->ferme();
}

void Client::connecte(const std::string& adresse) {
    adresse_ = adresse;
    fenetres_.montreProgression(true);
    lien_->connecte(adresse, port_);
}

void Client::arrete() {
    if (!lien_->estOuvert()) return;
    lien_->ferme();
    connexionPerdue();
}

void Client::lienEtabli(Lien&) {
    fenetres_.montreProgression(true);
    auto vivant = vivant_;
    fenetres_.optionsDuJoueur(optionsDuJoueur_);
    if (!*vivant) return;
    envoie(EvenementDeJeu(TypeEvenement::Message, optionsDuJoueur_.save(), EvenementDeJeu::Table,
                          EvenementDeJeu::NumeroInscription)
               .save());
}

void Client::envoie(const std::string& texte) {
    if (!lien_->estOuvert()) return;
    lien_->envoie(texte);
    // Only the local player's own events wait for an echo: the host never echoes the table's
    // events, which it takes from nobody, nor the chat.
    std::optional<EvenementDeJeu> evenement;
    try {
        evenement.emplace(texte);
    } catch (const Exception&) {
        return;
    }
    if (evenement->getIntervenant() == EvenementDeJeu::Table || evenement->getType() == TypeEvenement::Message) return;
    sansEcho_.push_back(texte);
    if (!minuterie_->estActive()) minuterie_->demarre(PERIODE_REPETITION_MS, true);
}

void Client::repete() {
    if (++nbRepetitions_ > NB_REPETITIONS_MAXI) {
        arrete();
        return;
    }
    for (const std::string& texte : sansEcho_) lien_->envoie(texte);
}

void Client::recoit(Lien&, const std::string& octets) {
    // Whatever the host says, it is there.
    nbRepetitions_ = 0;
    tampon_.ajoute(octets);
    if (!enTraitement_) traiteRecu();
}

void Client::traiteRecu() {
    fenetres_.montreProgression(false);
    auto vivant = vivant_;
    enTraitement_ = true;
    while (lien_->estOuvert()) {
        std::optional<std::string> message;
        try {
            message = tampon_.suivant();
        } catch (const ErreurDeFormat& erreur) {
            rejette(formate(ID_MESSAGE_ILLISIBLE_SERVEUR, erreur.what()), texte(ID_TITRE_MESSAGE_ILLISIBLE));
            break;
        }
        if (!message) break;
        traiteMessage(*message);
        if (!*vivant) return;
    }
    enTraitement_ = false;
}

void Client::traiteMessage(const std::string& message) {
    // The host processes events in order: the echo of one tells that those before it arrived too.
    if (const auto echo = std::find(sansEcho_.begin(), sansEcho_.end(), message); echo != sansEcho_.end()) {
        sansEcho_.erase(sansEcho_.begin(), echo + 1);
        if (sansEcho_.empty()) minuterie_->arrete();
    }
    std::optional<EvenementDeJeu> evenement;
    try {
        evenement.emplace(message);
    } catch (const ErreurVersionIncompatible& erreur) {
        rejette(erreur.what(), texte(ID_TITRE_CLIENT_INCOMPATIBLE));
        return;
    } catch (const Exception& erreur) {
        rejette(formate(ID_MESSAGE_ILLISIBLE_SERVEUR, erreur.what()), texte(ID_TITRE_MESSAGE_ILLISIBLE));
        return;
    }
    if (estDejaConsomme(*evenement)) return;
    try {
        listeDesEvenements_.recoitDuServeur(*evenement, optionsDuJoueur_.getIdentifiant());
    } catch (const Exception& erreur) {
        rejette(formate(ID_MESSAGE_ILLISIBLE_SERVEUR, erreur.what()), texte(ID_TITRE_MESSAGE_ILLISIBLE));
    }
}

// The settings of a deal are taken whatever the number reached, since every deal starts again at
// theirs: a repetition of settings already consumed would otherwise wait in their slot and open
// the next deal in place of its own.
bool Client::estDejaConsomme(const EvenementDeJeu& evenement) const {
    if (evenement.getType() != TypeEvenement::EnregistrementSettingsPartie) return false;
    const auto& enregistrement = listeDesEvenements_.enregistrement();
    return std::find(enregistrement.begin(), enregistrement.end(), evenement.save()) != enregistrement.end();
}

void Client::rejette(const std::string& texteDeLaBoite, const std::string& titre) {
    lien_->ferme();
    minuterie_->arrete();
    auto vivant = vivant_;
    Plateforme::courante().information(texteDeLaBoite, titre);
    if (*vivant) connexionPerdue();
}

void Client::lienFerme(Lien&) { connexionPerdue(); }

void Client::connexionPerdue() {
    minuterie_->arrete();
    fenetres_.montreProgression(false);
    auto vivant = vivant_;
    Plateforme::courante().information(texte(ID_SERVEUR_PERDU), texte(ID_TITRE_CONNEXION_INTERROMPUE));
    if (*vivant) fenetres_.menusLocaux();
}

void Client::erreurDeLien(Lien&, const std::string& message) {
    lien_->ferme();
    minuterie_->arrete();
    fenetres_.montreProgression(false);
    auto vivant = vivant_;
    Plateforme::courante().erreur(texte(ID_TITRE_ERREUR_CLIENT) + "\n" +
                                  formate(ID_ERREUR_CLIENT, adresse_, port_, message));
    if (*vivant) fenetres_.menusLocaux();
}
