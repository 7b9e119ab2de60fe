#include "table/Table.h"

#include <utility>

#include "platform/Assertion.h"
#include "platform/TableDesTextes.h"
#include "players/FabriqueDeJoueurs.h"
#include "players/Joueur.h"
#include "rules/TypeDePartie.h"
#include "events/Statistiques.h"
#include "rules/Siege.h"

namespace {

// Texts of the string table used here.
enum IdTexte {
    ID_VISIONNAGE = 3332,
    ID_ATTEND_INSCRIPTION = 3333,
    ID_DOIT_JOUER = 3334,
    ID_LA_PLUS_HAUTE_PREND = 3335,
    ID_LA_PLUS_BASSE_PREND = 3336,
    ID_DOIT_CONFIRMER_RAMASSER = 3337,
    ID_DOIT_CONFIRMER_DISTRIBUER = 3338,
    ID_DOIT_CHOISIR_ATOUT = 3339,
    ID_A_CHIBRE = 3340,
    ID_DOIT_CONFIRMER_ANNONCES = 3345,
    ID_RESEAU_PAS_DISPONIBLE = 3604,
    ID_PARTIE_NON_OUVERTE = 3622,
    ID_PARTIE_RESEAU_EN_COURS = 3328,
    ID_TITRE_AVERTISSEMENT = 3329,
};


// Clears a flag when the scope ends, also by an exception.
class MakeBoolFalseOnDestroy {
public:
    explicit MakeBoolFalseOnDestroy(bool& drapeau) : drapeau_(drapeau) {}
    ~MakeBoolFalseOnDestroy() { drapeau_ = false; }
    MakeBoolFalseOnDestroy(const MakeBoolFalseOnDestroy&) = delete;
    MakeBoolFalseOnDestroy& operator=(const MakeBoolFalseOnDestroy&) = delete;

private:
    bool& drapeau_;
};

}  // namespace

Table::Table(Statistiques& statistiques, const FenetreDeJeu* fenetre)
    : fenetre_(fenetre), statistiques_(statistiques), listeDesEvenements_(*this) {
    timerNouvellePartie_ = Plateforme::courante().creeMinuterie([this] { offreNouvellePartie(); });
}

Table::~Table() {
    timerNouvellePartie_->arrete();
    videTable();
}

void Table::videTable() {
    for (auto& joueur : joueur_) joueur.reset();
    labelsHistorique_.fill("");
    partie_.reset();
    panelsRamassees_[0].vide();
    panelsRamassees_[1].vide();
    tasCentral_.vide();
    totalEquipe_ = {};
    pointsAnnoncesEquipe_ = {};
    joueurDoitChoisirAtout_ = -10;
    etatJeu_ = EvenementDeJeu::Depart;
    donneTerminee_ = false;
    repriseApresChargement_ = false;
    signaleChangement();
}

void Table::commencePartie(ModeDemarrage mode, OptionsDePartie::Connection connection, const std::string& texte) {
    try {
        videTable();
        TW_ASSERT(etatJeu_ == EvenementDeJeu::Depart, "Table");
        if (connection == OptionsDePartie::ServeurTCP || connection == OptionsDePartie::ServeurDirectPlay)
            knuthRandom_.resemeHorloge();
        switch (mode) {
            case ChargeFichier:
                etatJeu_ = EvenementDeJeu::InscriptionTypeDePartie;
                nomFichier_ = texte;
                listeDesEvenements_.vide();
                labelEtat_ = ::texte(ID_VISIONNAGE);
                signaleChangement();
                listeDesEvenements_.charge(texte);
                labelEtat_.clear();
                partieModifiee_ = false;
                repriseApresChargement_ = true;
                break;
            case RejoueMemesJoueurs:
                listeDesEvenements_.recommenceAvecMemesJoueurs();
                break;
            case NouvellePartie:
            case NouvellePartieClient:
                nomFichier_ = texte;
                listeDesEvenements_.vide();
                break;
        }
        creeTransport(connection, texte);
        demandeProchaineAction(ModeRejeu::Normal);
    } catch (const Exception& erreur) {
        // What went wrong in the user's words, for a file with its name first; never the bare
        // name of an error class.
        Plateforme::courante().erreur(mode == ChargeFichier ? formate(ID_PARTIE_NON_OUVERTE, texte) + "\n" + erreur.what() : erreur.what());
        labelEtat_.clear();
        videTable();
        listeDesEvenements_.vide();
    }
}

void Table::creeTransport(OptionsDePartie::Connection connection, const std::string& texte) {
    const auto creeClient = [&](const FabriqueDeTransports::Client& fabrique) {
        TW_ASSERT(client_ == NULL, "Table");
        if (!fabrique) throw Exception(::texte(ID_RESEAU_PAS_DISPONIBLE));
        client_ = fabrique(listeDesEvenements_);
        client_->connecte(texte);
    };
    const auto creeServeur = [&](const FabriqueDeTransports::Serveur& fabrique) {
        TW_ASSERT(server_ == NULL, "Table");
        if (!fabrique) throw Exception(::texte(ID_RESEAU_PAS_DISPONIBLE));
        server_ = fabrique(listeDesEvenements_, optionsDePartie_);
    };
    switch (connection) {
        case OptionsDePartie::ClientTCP: creeClient(transports_.client); return;
        case OptionsDePartie::ServeurTCP: creeServeur(transports_.serveur); return;
        case OptionsDePartie::ClientDirectPlay: creeClient(transports_.clientSession); return;
        case OptionsDePartie::ServeurDirectPlay: creeServeur(transports_.serveurSession); return;
        default: return;
    }
}

void Table::inscritJoueur(const OptionsDuJoueur& options, int numero) {
    listeDesEvenements_.ajoute(
        EvenementDeJeu(TypeEvenement::InscriptionJoueur, options.save(), EvenementDeJeu::Table, numero));
}

void Table::traiteEvenement(const EvenementDeJeu& evenement, const std::string& description, ModeRejeu mode) {
    afficheMessage(description, mode);
    if (!fenetreVisible()) return;
    verifieEvenementAttendu(evenement);
    const int numero = evenement.getNoEvenement();
    const std::string& donnees = evenement.getDonnees();
    switch (evenement.getType()) {
        case TypeEvenement::RamasseTas:
            getJoueur(evenement.getIntervenant())->tasRamasse(numero);
            traiteRamasseTas();
            return;
        case TypeEvenement::AjouteCarte: {
            const Carte* carte = EvenementDeJeu::carteDuParametre(donnees);
            getJoueur(evenement.getIntervenant())->cartePosee(*carte, numero);
            traiteCarte(carte, evenement.getNoJoueur());
            return;
        }
        case TypeEvenement::Distribue:
            partie_.reset();
            getJoueur(evenement.getIntervenant())->distributionConfirmee(numero);
            traiteDistribue();
            return;
        case TypeEvenement::ChoisitAtout: {
            StatusAtout status;
            status.load(donnees);
            getJoueur(evenement.getIntervenant())->choixAtoutFait(status, numero);
            traiteChoixAtout(status, evenement.getNoJoueur());
            return;
        }
        case TypeEvenement::Annonce: {
            const Annonces annonces(donnees);
            getJoueur(evenement.getIntervenant())->annoncesFaites(annonces, numero);
            traiteAnnonce(annonces, evenement.getNoJoueur());
            return;
        }
        case TypeEvenement::ConfirmationAnnonce:
            getJoueur(evenement.getIntervenant())->annoncesConfirmees(numero);
            traiteConfirmationAnnonce();
            return;
        case TypeEvenement::FinDePartie:
            getJoueur(evenement.getIntervenant())->finDePartieConfirmee(numero);
            traiteFinDePartie();
            return;
        case TypeEvenement::EnregistrementSettingsPartie:
            traiteSettings(donnees, mode);
            return;
        case TypeEvenement::InscriptionJoueur:
            traiteInscriptionJoueur(donnees);
            return;
        case TypeEvenement::InscriptionTypeDePartie:
            traiteInscriptionTypeDePartie(donnees);
            return;
        case TypeEvenement::Message: {
            const std::string ligne = nomDuJoueur(evenement.getNoJoueur()) + "->" + donnees;
            for (auto& joueur : joueur_)
                if (joueur) joueur->afficheMessage(ligne);
            return;
        }
        default:
            throw Exception(TEXTE_EVENEMENT_INVALIDE);
    }
}

void Table::traiteInscriptionTypeDePartie(const std::string& donnees) {
    TW_ASSERT(etatJeu_ == EvenementDeJeu::InscriptionTypeDePartie, "Table");
    OptionsDePartie options;
    options.load(donnees);
    optionsDePartie_ = options;
    estConcours_ = optionsDePartie_.getTypePartie() == OptionsDePartie::Concours;
    etatRandomInitial_ = knuthRandom_.save();
    if (estConcours_) {
        compteurDonnes_ = 0;
        distributionInversee_ = false;
        pointsPourGagner_ = PanelDeCartesRamassees::SCORE_MAXI_CONCOURS;
    } else {
        pointsPourGagner_ = optionsDePartie_.getTypeDePartie().getScoreMaxi();
    }
}

void Table::traiteInscriptionJoueur(const std::string& donnees) {
    TW_ASSERT(etatJeu_ == EvenementDeJeu::InscriptionJoueur_0 || etatJeu_ == EvenementDeJeu::InscriptionJoueur_1 ||
                  etatJeu_ == EvenementDeJeu::InscriptionJoueur_2 || etatJeu_ == EvenementDeJeu::InscriptionJoueur_3,
              "Table");
    const int joueurNo = etatJeu_ - EvenementDeJeu::InscriptionJoueur_0;
    TW_ASSERT(joueur_[joueurNo] == NULL, "Table");
    OptionsDuJoueur optionsJoueur;
    optionsJoueur.load(donnees);
    const ContexteJoueur contexte{jeu_,  knuthRandom_, optionsJoueur, listeDesEvenements_,
                                  joueurNo, optionsDePartie_.getTypeDePartie(), server_ || client_, montreTout_,
                                  *this, tasCentral_};
    joueur_[joueurNo] = creeJoueur(contexte);
}

void Table::transmetEvenement(const EvenementDeJeu& evenement) {
    if (!server_ && !client_) return;
    const bool local = evenement.getIntervenant() == EvenementDeJeu::Table ||
                       (joueur_[evenement.getNoJoueur()] && joueur_[evenement.getNoJoueur()]->estLocal());
    if (server_)
        server_->envoie(evenement.save(), local);
    else if (local)
        client_->envoie(evenement.save());
}

void Table::demandeProchaineAction(ModeRejeu mode) {
    if (!fenetreVisible()) return;
    int etat = 0;
    {
        VerrouSemaphore verrou(semaphore_);
        passeAEtatSuivant(mode);
        etat = etatJeu_;
        demandeEnCours_ = true;
    }
    MakeBoolFalseOnDestroy finDeDemande(demandeEnCours_);
    const InfoDemande demande(etat, mode);
    if (!estRejeu(mode) && !server_ && !client_) partieModifiee_ = etat > EvenementDeJeu::AttendDistribue4;
    if (!estRejeu(mode)) sauvegardeEnContinu(etat);
    demandeSelonEtat(etat, demande);
    VerrouSemaphore verrou(semaphore_);
    demandeEnCours_ = false;
}

struct Table::TourDeConfirmations {
    int premierEtat;
    int texteAttente;  // "<name> must confirm ..."
    void (Joueur::*demande)(const InfoDemande&);
};

std::optional<Table::TourDeConfirmations> Table::tourDeConfirmations(int etat) {
    if (etat >= EvenementDeJeu::AttendDistribue1 && etat <= EvenementDeJeu::AttendDistribue4)
        return TourDeConfirmations{EvenementDeJeu::AttendDistribue1, ID_DOIT_CONFIRMER_DISTRIBUER,
                                   &Joueur::demandeDistribue};
    if (etat >= EvenementDeJeu::AttendConfirmationAnnonces1 && etat <= EvenementDeJeu::AttendConfirmationAnnonces4)
        return TourDeConfirmations{EvenementDeJeu::AttendConfirmationAnnonces1, ID_DOIT_CONFIRMER_ANNONCES,
                                   &Joueur::demandeConfirmationAnnonces};
    if (EvenementDeJeu::estEtatRamasseTas(etat))
        return TourDeConfirmations{etat - EvenementDeJeu::siegeDuRamasseTas(etat), ID_DOIT_CONFIRMER_RAMASSER,
                                   &Joueur::demandeRamasseTas};
    return std::nullopt;
}

void Table::demandeTour(const TourDeConfirmations& tour, int depuis, const InfoDemande& demande) {
    for (int siege = depuis - tour.premierEtat; siege < 4; ++siege) {
        afficheMessage(formate(tour.texteAttente, nomDuJoueur(siege)), demande.mode());
        (joueur_[siege].get()->*tour.demande)(InfoDemande(tour.premierEtat + siege, demande.mode()));
    }
}

void Table::demandeSelonEtat(int etat, const InfoDemande& demande) {
    const bool rejeu = demande.estRejeu();
    const auto montre = [&](const std::string& texte) { afficheMessage(texte, demande.mode()); };
    const bool reprise = std::exchange(repriseApresChargement_, false);
    if (const auto tour = tourDeConfirmations(etat)) {
        if (etat == tour->premierEtat || reprise) demandeTour(*tour, etat, demande);
        return;
    }
    if (etat == EvenementDeJeu::InscriptionTypeDePartie) {
        if (rejeu || client_) return;
        // The composition of the teams adds the four registrations, which wait for the options.
        if (server_ && server_->demarre() != 1) {
            server_.reset();
            return;
        }
        listeDesEvenements_.ajoute(EvenementDeJeu(TypeEvenement::InscriptionTypeDePartie, optionsDePartie_.save(),
                                                      EvenementDeJeu::Table, EvenementDeJeu::InscriptionTypeDePartie));
    } else if (etat >= EvenementDeJeu::InscriptionJoueur_0 && etat <= EvenementDeJeu::InscriptionJoueur_3) {
        montre(formate(ID_ATTEND_INSCRIPTION, etat - EvenementDeJeu::InscriptionJoueur_0));
    } else if (etat == EvenementDeJeu::AttendEnregistrementSettings) {
        if (!rejeu && !client_)
            listeDesEvenements_.ajoute(EvenementDeJeu(TypeEvenement::EnregistrementSettingsPartie, settings().save(),
                                                      EvenementDeJeu::Table, EvenementDeJeu::AttendEnregistrementSettings));
    } else if (etat == EvenementDeJeu::AttendAtout) {
        montre(formate(ID_DOIT_CHOISIR_ATOUT, nomDuJoueur(joueurDoitChoisirAtout_)));
        joueur_[joueurDoitChoisirAtout_]->demandeChoixAtout(StatusAtout(), demande);
    } else if (etat == EvenementDeJeu::AttendAtoutChibre) {
        const int partenaire = siege::partenaire(joueurDoitChoisirAtout_);
        montre(formate(ID_A_CHIBRE, nomDuJoueur(joueurDoitChoisirAtout_), nomDuJoueur(partenaire)));
        StatusAtout chibre;
        chibre.estChibre = true;
        joueur_[partenaire]->demandeChoixAtout(chibre, demande);
    } else if (etat >= EvenementDeJeu::AttendAnnonce1 && etat <= EvenementDeJeu::AttendAnnonce4) {
        joueur_[prochainJoueur()]->demandeAnnonce(demande);
    } else if (EvenementDeJeu::estEtatCarte(etat)) {
        const int joueur = prochainJoueur();
        montre(formate(ID_DOIT_JOUER, nomDuJoueur(joueur)));
        const Atout atout = partie_->atout();
        tasCentral_.setLabelAtout(atout == Atout::HautEnBas   ? texte(ID_LA_PLUS_HAUTE_PREND)
                                  : atout == Atout::BasEnHaut ? texte(ID_LA_PLUS_BASSE_PREND)
                                                              : std::string());
        joueur_[joueur]->demandeCarte(*partie_, joueurDoitChoisirAtout_, demande);
    } else if (etat == EvenementDeJeu::AttendFinDePartie1) {
        demandeFinDePartie(demande);
    } else if (etat == EvenementDeJeu::Vide_Avant_Fin || etat > EvenementDeJeu::AttendFinDePartie4) {
        throw Exception("Erreur interne: La boucle \xE0 \xE9v\xE8nements ne traite pas tous les cas");
    }
}

int Table::prochainJoueur() const {
    TW_ASSERT(partie_.has_value(), "Table");
    TW_ASSERT(etatJeu_ >= EvenementDeJeu::AttendAnnonce1, "Table");
    TW_ASSERT(etatJeu_ < EvenementDeJeu::Tour9_AttendRamasseTas4, "Table");
    if (etatJeu_ >= EvenementDeJeu::AttendAnnonce1 && etatJeu_ <= EvenementDeJeu::AttendAnnonce4)
        return siege::decale(joueurDoitChoisirAtout_, etatJeu_ - EvenementDeJeu::AttendAnnonce1);
    const int result = partie_ ? partie_->noDuProchainAJouer() : 0;
    return siege::verifie(result);
}

Joueur* Table::getJoueur(int intervenant) const {
    TW_ASSERT(intervenant < EvenementDeJeu::Table, "Table");
    return intervenant >= 0 && intervenant < 4 ? joueur_[intervenant].get() : nullptr;
}

std::string Table::nomDuJoueur(int noJoueur) const {
    const Joueur* joueur = noJoueur >= 0 && noJoueur < 4 ? joueur_[noJoueur].get() : nullptr;
    return joueur ? joueur->nom() : std::string();
}

bool Table::estSiegeDistant(int noJoueur) const {
    return noJoueur >= 0 && noJoueur < 4 && joueur_[noJoueur] && !joueur_[noJoueur]->estLocal();
}

StatusCarteJouee Table::statutCarte(const Carte* carte, int noJoueur) const {
    TW_ASSERT(etatJeu_ < EvenementDeJeu::Tour9_AttendRamasseTas4, "Table");
    TW_ASSERT(etatJeu_ >= EvenementDeJeu::Tour1_AttendCarte1, "Table");
    if (!carte || !partie_ || !joueur_[siege::verifie(noJoueur)] || partie_->noDuProchainAJouer() != noJoueur)
        return StatusCarteJouee::Invalide;
    return partie_->carteEstRefusee(*carte, noJoueur, joueur_[noJoueur]->getMain());
}

void Table::afficheMessage(const std::string& texte, ModeRejeu mode) {
    if (texte.empty()) return;
    for (std::size_t i = labelsHistorique_.size() - 1; i > 0; --i) labelsHistorique_[i] = labelsHistorique_[i - 1];
    labelsHistorique_[0] = texte;
    signaleChangement();
    if (!estRejeu(mode)) Plateforme::courante().traiteMessagesEnAttente();
}

void Table::metAJourScores() {
    const int multiplicateur = partie_ ? partie_->getMultiplicateur() : 0;
    for (int equipe = 0; equipe < 2; ++equipe)
        panelsRamassees_[equipe].affichePoints(partie_ ? partie_->getPointsEquipe(equipe) : 0,
                                               pointsAnnoncesEquipe_[equipe], totalEquipe_[equipe], multiplicateur);
}

void Table::sauve(const std::string& nomFichier) {
    if (nomFichier.empty()) return;
    listeDesEvenements_.sauve(nomFichier);
    nomFichier_ = nomFichier;
    partieModifiee_ = false;
}

void Table::sauvegardeEnContinu(int etat) {
    if (fichierDeReprise_.empty() || etat <= EvenementDeJeu::AttendDistribue4) return;
    try {
        listeDesEvenements_.sauve(fichierDeReprise_);
    } catch (const Exception&) {
        // The game goes on: a box after every event would make it unplayable, and the file
        // keeps the last state that could be written.
    }
}

void Table::basculeAffichageDebug() {
    montreTout_ = !montreTout_;
    for (auto& joueur : joueur_) {
        if (!joueur) continue;
        if (montreTout_)
            joueur->montreTout();
        else
            joueur->cacheTout();
    }
    signaleChangement();
}

bool Table::confirmeFermeture() {
    const bool connecte = (server_ && server_->estConnecte()) || (client_ && client_->estConnecte());
    if (connecte && etatJeu_ != EvenementDeJeu::Vide_Avant_NouvellePartie &&
        !Plateforme::courante().avertissement(texte(ID_PARTIE_RESEAU_EN_COURS), texte(ID_TITRE_AVERTISSEMENT)))
        return false;
    deconnecte();
    return true;
}

void Table::deconnecte() {
    if (server_) {
        server_->arrete();
        server_.reset();
    }
    if (client_) {
        client_->arrete();
        client_.reset();
    }
    knuthRandom_.reinitialise();
    labelEtat_.clear();
    signaleChangement();
}

void Table::signaleChangement() const {
    if (changement) changement();
}
