#include "net/Server.h"

#include <algorithm>
#include <cstdlib>

#include "events/EvenementDeJeu.h"
#include "events/ListeDesEvenements.h"
#include "platform/Exception.h"
#include "platform/TableDesTextes.h"

namespace {

enum IdTexte {
    ID_TITRE_VERSION = 2,
    ID_ALPHONSE = 2816,
    ID_GERTRUDE = 2817,
    ID_JOUEUR_PERDU = 2825,
    ID_TITRE_CONNEXION_INTERROMPUE = 2826,
    ID_TITRE_ERREUR_SERVEUR = 2829,
    ID_ERREUR_SERVEUR = 2830,
    ID_TITRE_CLIENT_INCOMPATIBLE = 2832,
    ID_MESSAGE_ILLISIBLE_CLIENT = 2833,
    ID_TITRE_MESSAGE_ILLISIBLE = 2834,
};

// What is kept for the repetitions: a few deals, far more than a client can lag behind while
// the game waits for it.
constexpr std::size_t NB_ENVOIS_GARDES = 512;

// Confirmations carry nothing but their actor and number: the same text in every deal and game.
bool estConfirmation(TypeEvenement type) {
    return type == TypeEvenement::Distribue || type == TypeEvenement::RamasseTas ||
           type == TypeEvenement::ConfirmationAnnonce || type == TypeEvenement::FinDePartie;
}

}  // namespace

Server::Server(std::unique_ptr<Ecoute> ecoute, std::uint16_t port, ListeDesEvenements& liste,
               const OptionsDePartie& optionsDePartie, FenetresReseau& fenetres)
    : ecoute_(std::move(ecoute)),
      portDEcoute_(port),
      listeDesEvenements_(liste),
      optionsDePartie_(optionsDePartie),
      fenetres_(fenetres) {
    ecoute_->setObservateur(this);
    minuterie_ = Plateforme::courante().creeMinuterie([this] { repete(); });
}

Server::~Server() {
    *vivant_ = false;
    arrete();
    fermees_.clear();
}

int Server::demarre() {
    // A new game with the same players keeps the running server, its links and registrations.
    if (ecoute_->estOuverte()) return 1;
    arrete();
    try {
        ecoute_->ouvre(portDEcoute_);
    } catch (const Exception& erreur) {
        Plateforme::courante().erreur(texte(ID_TITRE_ERREUR_SERVEUR) + "\n" +
                                      formate(ID_ERREUR_SERVEUR, "", portDEcoute_, erreur.what()));
        fenetres_.menusLocaux();
        return 2;
    }
    return choisitEquipes();
}

int Server::choisitEquipes() {
    composition_.vide();
    nbJoueurs_ = 0;
    if (const int resultat = fenetres_.optionsDuJoueur(joueurHote_); resultat != 1) {
        fenetres_.menusLocaux();
        return resultat;
    }
    composition_.ajouteJoueur(joueurHote_);
    // The calls setting is drawn among those a record may hold, as for a local game.
    const auto appels = static_cast<std::uint8_t>(std::rand() % (OptionsDuJoueur::APPELS_MAX + 1));
    const OptionsDuJoueur ordinateur1(texte(ID_ALPHONSE), true, appels, false, OptionsDuJoueur::AI,
                                      optionsDePartie_.getNiveau());
    const OptionsDuJoueur ordinateur2(texte(ID_GERTRUDE), ordinateur1.getDepartAtoutPlusHaut(),
                                      ordinateur1.getAppels(), false, OptionsDuJoueur::AI, optionsDePartie_.getNiveau());
    composition_.ajouteJoueur(ordinateur1);
    composition_.ajouteJoueur(ordinateur2);

    auto vivant = vivant_;
    accepteConnexions_ = true;
    int resultat = fenetres_.composeEquipes(composition_);
    if (!*vivant) return 2;
    accepteConnexions_ = false;
    sieges_ = composition_.sieges();
    if (resultat == 1 && sieges_[0] < 0) resultat = 2;
    if (resultat != 1) {
        fenetres_.menusLocaux();
        return resultat;
    }
    for (int siege = 0; siege < 4; ++siege)
        listeDesEvenements_.ajoute(EvenementDeJeu(TypeEvenement::InscriptionJoueur,
                                                  composition_.joueur(sieges_[siege]).save(), EvenementDeJeu::Table,
                                                  EvenementDeJeu::InscriptionJoueur_0 + siege));
    return resultat;
}

void Server::arrete() {
    minuterie_->arrete();
    // The listening end first: a carrier that tells its clients why they leave says the game
    // ended rather than that each was sent away.
    ecoute_->ferme();
    for (auto& connexion : liens_) {
        connexion->fermee = true;
        connexion->lien->ferme();
        fermees_.push_back(std::move(connexion));
    }
    liens_.clear();
    jetteLesFermees();
}

void Server::nouveauLien(std::unique_ptr<Lien> lien) {
    if (!accepteConnexions_ || liens_.size() >= NB_LIENS_MAXI) {
        lien->ferme();
        return;
    }
    auto connexion = std::make_unique<Connexion>();
    connexion->lien = std::move(lien);
    connexion->lien->setObservateur(this);
    liens_.push_back(std::move(connexion));
}

Server::Connexion* Server::connexionDe(const Lien& lien) {
    for (auto& connexion : liens_)
        if (connexion->lien.get() == &lien) return connexion.get();
    return nullptr;
}

void Server::recoit(Lien& lien, const std::string& octets) {
    Connexion* connexion = connexionDe(lien);
    if (!connexion) return;
    connexion->tampon_.ajoute(octets);
    // A report that comes while this link's messages are being handed on (a box is open) only
    // adds its bytes: the running loop takes them in order.
    if (!connexion->enTraitement) traiteRecu(*connexion);
}

void Server::traiteRecu(Connexion& connexion) {
    auto vivant = vivant_;
    ++profondeur_;
    connexion.enTraitement = true;
    while (!connexion.fermee) {
        std::optional<std::string> message;
        try {
            message = connexion.tampon_.suivant();
        } catch (const ErreurDeFormat& erreur) {
            rejette(connexion, formate(ID_MESSAGE_ILLISIBLE_CLIENT, erreur.what()), texte(ID_TITRE_MESSAGE_ILLISIBLE));
            break;
        }
        if (!message) break;
        traiteMessage(connexion, *message);
        if (!*vivant) return;
    }
    connexion.enTraitement = false;
    --profondeur_;
    jetteLesFermees();
}

void Server::traiteMessage(Connexion& connexion, const std::string& message) {
    std::optional<EvenementDeJeu> evenement;
    try {
        evenement.emplace(message);
    } catch (const ErreurVersionIncompatible& erreur) {
        rejette(connexion, erreur.what(), texte(ID_TITRE_CLIENT_INCOMPATIBLE));
        return;
    } catch (const Exception& erreur) {
        rejette(connexion, formate(ID_MESSAGE_ILLISIBLE_CLIENT, erreur.what()), texte(ID_TITRE_MESSAGE_ILLISIBLE));
        return;
    }
    // News from a client starts the silence over; a client repeating what it sent last is waiting
    // for something itself, so the repetitions must come all the same.
    if (message != connexion.dernierRecu)
        minuterie_->demarre(PERIODE_REPETITION_MS, true);
    else if (!minuterie_->estActive())
        minuterie_->demarre(PERIODE_REPETITION_MS, true);
    connexion.dernierRecu = message;

    if (evenement->getType() == TypeEvenement::Message &&
        evenement->getNoEvenement() == EvenementDeJeu::NumeroInscription) {
        inscrit(connexion, *evenement);
        return;
    }
    if (evenement->getIntervenant() != EvenementDeJeu::Table && !tientLeSiege(connexion, evenement->getNoJoueur()))
        return;
    try {
        listeDesEvenements_.recoitDUnClient(*evenement);
    } catch (const Exception& erreur) {
        rejette(connexion, formate(ID_MESSAGE_ILLISIBLE_CLIENT, erreur.what()), texte(ID_TITRE_MESSAGE_ILLISIBLE));
    }
}

void Server::inscrit(Connexion& connexion, const EvenementDeJeu& inscription) {
    // One registration a link: a client cannot take the places of others.
    if (connexion.joueur >= 0 || nbJoueurs_ >= NB_JOUEURS_MAXI) return;
    OptionsDuJoueur options;
    options.load(inscription.getDonnees());
    options.basculeDistant(0);
    connexion.joueur = composition_.inscritClient(options);
    ++nbJoueurs_;
}

bool Server::tientLeSiege(const Connexion& connexion, int siege) const {
    return connexion.joueur >= 0 && sieges_[static_cast<std::size_t>(siege)] == connexion.joueur;
}

void Server::rejette(Connexion& connexion, const std::string& texteDeLaBoite, const std::string& titre) {
    if (connexion.fermee) return;
    connexion.lien->ferme();
    const bool avaitUnSiege =
        std::any_of(sieges_.begin(), sieges_.end(), [&](int joueur) { return joueur >= 0 && joueur == connexion.joueur; });
    retire(connexion);
    auto vivant = vivant_;
    Plateforme::courante().information(texteDeLaBoite, titre);
    if (*vivant && avaitUnSiege && !accepteConnexions_) connexionPerdue();
}

void Server::lienFerme(Lien& lien) {
    Connexion* connexion = connexionDe(lien);
    if (!connexion) return;
    const bool avaitUnSiege = std::any_of(sieges_.begin(), sieges_.end(),
                                          [&](int joueur) { return joueur >= 0 && joueur == connexion->joueur; });
    retire(*connexion);
    // A client that only watched leaves without stopping the game.
    if (avaitUnSiege && !accepteConnexions_) connexionPerdue();
    jetteLesFermees();
}

void Server::retire(Connexion& connexion) {
    connexion.fermee = true;
    if (accepteConnexions_ && connexion.joueur >= 0) composition_.retireClient(connexion.joueur);
    const auto position = std::find_if(liens_.begin(), liens_.end(),
                                       [&](const std::unique_ptr<Connexion>& c) { return c.get() == &connexion; });
    if (position == liens_.end()) return;
    fermees_.push_back(std::move(*position));
    liens_.erase(position);
}

void Server::erreurDeLien(Lien& lien, const std::string& message) {
    Plateforme::courante().erreur(texte(ID_TITRE_ERREUR_SERVEUR) + "\n" +
                                  formate(ID_ERREUR_SERVEUR, lien.adresseLocale(), lien.portLocal(), message));
}

void Server::connexionPerdue() {
    // The game cannot go on: the other clients are told at once, by the closing of their links,
    // rather than waiting in silence until the host leaves. The table keeps what was played.
    arrete();
    auto vivant = vivant_;
    Plateforme::courante().information(texte(ID_JOUEUR_PERDU), texte(ID_TITRE_CONNEXION_INTERROMPUE));
    if (*vivant) fenetres_.menusLocaux();
}

void Server::envoie(const std::string& texteDeLEvenement, bool aRetenir) {
    std::optional<EvenementDeJeu> evenement;
    try {
        evenement.emplace(texteDeLEvenement);
    } catch (const Exception&) {
    }
    // Chat lines are shown once and never repeated; they leave the repetitions as they were.
    if (!evenement || evenement->getType() == TypeEvenement::Message) {
        transmet(texteDeLEvenement);
        return;
    }
    envoyes_.push_back({texteDeLEvenement, evenement->getType()});
    if (envoyes_.size() > NB_ENVOIS_GARDES) envoyes_.erase(envoyes_.begin());
    if (!aRetenir || !minuterie_->estActive()) minuterie_->demarre(PERIODE_REPETITION_MS, true);
    transmet(texteDeLEvenement);
}

void Server::transmet(const std::string& texteDeLEvenement) {
    for (const auto& connexion : liens_) connexion->lien->envoie(texteDeLEvenement);
}

// Every event of the deal under way, from its settings on (or of the game, from its options on),
// and before it what carries the same text in every deal: the game's registrations and the
// confirmations that closed the deal or the game before. An older card or trump choice would
// wait in a client's slot and stand in for the next deal's.
std::vector<std::string> Server::aRepeter() const {
    std::vector<std::string> messages;
    bool debutTrouve = false;
    for (auto envoi = envoyes_.rbegin(); envoi != envoyes_.rend(); ++envoi) {
        const bool sansRisque = estConfirmation(envoi->type) || envoi->type == TypeEvenement::InscriptionJoueur ||
                                envoi->type == TypeEvenement::InscriptionTypeDePartie;
        if (debutTrouve && !sansRisque) break;
        messages.push_back(envoi->texte);
        debutTrouve = debutTrouve || envoi->type == TypeEvenement::EnregistrementSettingsPartie ||
                      envoi->type == TypeEvenement::InscriptionTypeDePartie;
    }
    std::reverse(messages.begin(), messages.end());
    return messages;
}

void Server::repete() {
    const std::vector<std::string> messages = aRepeter();
    for (const std::string& message : messages) transmet(message);
}

void Server::jetteLesFermees() {
    if (profondeur_ == 0) fermees_.clear();
}
