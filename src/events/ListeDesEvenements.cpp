#include "events/ListeDesEvenements.h"

#include <algorithm>

#include "platform/Assertion.h"
#include "platform/EcritureSure.h"
#include "platform/Exception.h"
#include "platform/Plateforme.h"
#include "platform/TableDesTextes.h"
#include "rules/OptionsDuJoueur.h"
#include "events/ErreurDeFichier.h"
#include "format/SpacesSeparatedString.h"

namespace {

// Texts of the string table used here.
enum IdTexte {
    ID_EVENEMENT_DU_JOUEUR = 1536,
    ID_REVOIR_LA_PARTIE = 1538,
    ID_TITRE_QUESTION = 1539,
    ID_FIN_DU_FILM = 1540,
    ID_TITRE_INFORMATION = 1541,
    ID_VERSION_DU_FICHIER = 1542,
    ID_ENREGISTREMENT_IMPOSSIBLE = 3603,
    ID_LIGNE_ILLISIBLE = 3605,
    ID_VALEUR_HORS_LIMITES = 3606,
    ID_EVENEMENT_IMPOSSIBLE = 3607,
    ID_EVENEMENT_JAMAIS_ENREGISTRE = 3608,
    ID_INSCRIPTIONS_MANQUANTES = 3609,
    ID_FICHIER_VIDE = 3621,
};

// Replayed events before the last one never stop the table.
constexpr int AUCUN_ARRET = -1;

// Every line of a file is decoded before anything is replayed, so a damaged file is refused as a
// whole with the number of its first bad line.
EvenementDeJeu evenementDeLaLigne(const LigneDeFichier& ligne) {
    try {
        EvenementDeJeu evenement(ligne.texte);
        // The end-of-game acknowledgements and chat lines are never recorded: the table would
        // wait after the end for a state that does not exist.
        if (evenement.getType() == TypeEvenement::FinDePartie || evenement.getType() == TypeEvenement::Message)
            throw ErreurDeFichier(ligne.numero, ID_EVENEMENT_JAMAIS_ENREGISTRE);
        if (evenement.getType() != TypeEvenement::InscriptionJoueur) return evenement;
        // A game saved by a host or a client is replayed at this computer alone.
        OptionsDuJoueur options;
        options.load(evenement.getDonnees());
        options.rendLocal();
        return EvenementDeJeu(evenement.getType(), options.save(), evenement.getIntervenant(),
                              evenement.getNoEvenement());
    } catch (const ErreurDeValeur&) {
        throw ErreurDeFichier(ligne.numero, ID_VALEUR_HORS_LIMITES);
    } catch (const ErreurVersionIncompatible&) {
        throw ErreurDeFichier(ligne.numero, ID_VERSION_DU_FICHIER);
    } catch (const ErreurDeFichier&) {
        throw;
    } catch (const Exception&) {
        throw ErreurDeFichier(ligne.numero, ID_LIGNE_ILLISIBLE);
    }
}

}  // namespace

ListeDesEvenements::ListeDesEvenements(ConsommateurDEvenements& table) : table_(table) { vide(); }

void ListeDesEvenements::ajoute(const EvenementDeJeu& evenement, ModeRejeu mode, int arret) {
    if (evenement.getType() == TypeEvenement::Message) {
        table_.traiteEvenement(evenement, "", mode);
        table_.transmetEvenement(evenement);
        return;
    }
    const int n = evenement.getNoEvenement();
    if (!(n > dernierNoTraite_ || n == EvenementDeJeu::AttendEnregistrementSettings)) return;
    if (n != dernierNoTraite_) {
        const std::string texte = evenement.save();
        enQueue_.push_back(texte);
        TW_ASSERT(evenement.getNoEvenement() >= 0 && evenement.getNoEvenement() < EvenementDeJeu::EtatJeu_FinDeTableau,
                  "ListeDesEvenements");
        if (n < 0 || n >= EvenementDeJeu::EtatJeu_FinDeTableau) return;
        evenementsEnAttente_[n] = texte;
        signaleChangement();
    }

    for (int etat = table_.etatJeu(); etat >= 0 && etat < EvenementDeJeu::EtatJeu_FinDeTableau &&
                                      !evenementsEnAttente_[etat].empty();
         etat = table_.etatJeu()) {
        const std::string texte = std::move(evenementsEnAttente_[etat]);
        evenementsEnAttente_[etat].clear();
        const EvenementDeJeu x(texte);
        const std::int8_t dernierAvant = dernierNoTraite_;
        const std::size_t enregistresAvant = enregistrement_.size();
        dernierNoTraite_ = static_cast<std::int8_t>(x.getNoEvenement());
        if (x.getType() != TypeEvenement::FinDePartie) enregistrement_.push_back(texte);
        const std::string description = x.getIntervenant() == EvenementDeJeu::Table
                                            ? x.description()
                                            : formate(ID_EVENEMENT_DU_JOUEUR, table_.nomDuJoueur(x.getNoJoueur()), x.description());
        const auto avant = enQueue_.size();
        enQueue_.erase(std::remove(enQueue_.begin(), enQueue_.end(), texte), enQueue_.end());
        const bool positionStringQueueTrouvee = enQueue_.size() != avant;
        TW_ASSERT(positionStringQueueTrouvee, "ListeDesEvenements");
        signaleChangement();

        try {
            table_.traiteEvenement(x, description, mode);
        } catch (const Exception&) {
            // The table refused it (its state did not expect it): it never happened. The record is
            // the game's file, which could not be loaded again with it, and the right event for
            // that number may still come.
            enregistrement_.resize(enregistresAvant);
            dernierNoTraite_ = dernierAvant;
            signaleChangement();
            throw;
        }
        table_.transmetEvenement(x);
        if (x.getNoEvenement() != arret) table_.demandeProchaineAction(mode);
    }
}

void ListeDesEvenements::recoitDUnClient(const EvenementDeJeu& evenement) {
    const bool admis = evenement.getIntervenant() == EvenementDeJeu::Table
                           ? evenement.getType() == TypeEvenement::Message
                           : table_.estSiegeDistant(evenement.getNoJoueur());
    if (admis) ajoute(evenement);
}

void ListeDesEvenements::recoitDuServeur(const EvenementDeJeu& evenement, std::int32_t identifiant) {
    if (evenement.getIntervenant() != EvenementDeJeu::Table) {
        if (table_.estSiegeDistant(evenement.getNoJoueur())) ajoute(evenement);
        return;
    }
    if (evenement.getType() != TypeEvenement::InscriptionJoueur) {
        ajoute(evenement);
        return;
    }
    OptionsDuJoueur options;
    options.load(evenement.getDonnees());
    options.basculeDistant(identifiant);
    ajoute(EvenementDeJeu(evenement.getType(), options.save(), evenement.getIntervenant(), evenement.getNoEvenement()));
}

void ListeDesEvenements::vide() {
    for (auto& slot : evenementsEnAttente_) slot.clear();
    enregistrement_.assign(1, std::to_string(VERSION_FICHIER));
    dernierNoTraite_ = 0;
    signaleChangement();
}

void ListeDesEvenements::recommenceAvecMemesJoueurs() {
    std::vector<EvenementDeJeu> inscriptions;
    for (std::size_t ligne = 2; ligne <= 5 && ligne < enregistrement_.size(); ++ligne)
        inscriptions.emplace_back(enregistrement_[ligne]);
    vide();
    for (const EvenementDeJeu& inscription : inscriptions) ajoute(inscription);
}

void ListeDesEvenements::charge(const std::string& nomFichier) {
    vide();
    const std::vector<LigneDeFichier> lignes = litFichierDePartie(nomFichier);
    if (lignes.empty()) throw ErreurDeFichier(ID_FICHIER_VIDE, texte(ID_FICHIER_VIDE));
    std::int32_t version = 0;
    if (!convertitEntier(lignes[0].texte, version) || version < VERSION_FICHIER)
        throw ErreurDeFichier(ID_VERSION_DU_FICHIER, texte(ID_VERSION_DU_FICHIER));
    const bool film =
        lignes.size() > 10 && Plateforme::courante().question(texte(ID_REVOIR_LA_PARTIE), texte(ID_TITRE_QUESTION));
    rejoue(lignes, film);
}

void ListeDesEvenements::rejoue(const std::vector<LigneDeFichier>& lignes, bool film) {
    TW_ASSERT(table_.etatJeu() == EvenementDeJeu::InscriptionTypeDePartie, "ListeDesEvenements");
    std::vector<EvenementDeJeu> evenements;
    for (std::size_t i = 1; i < lignes.size(); ++i) evenements.push_back(evenementDeLaLigne(lignes[i]));

    std::size_t derniereDonne = 0;
    for (std::size_t i = 0; i < evenements.size(); ++i)
        if (evenements[i].getType() == TypeEvenement::EnregistrementSettingsPartie) derniereDonne = i;

    // The events window is repainted once at the end, also when a bad line ends the replay.
    struct FinDuRejeu {
        ListeDesEvenements& liste;
        ~FinDuRejeu() {
            liste.rejeuEnCours_ = false;
            liste.signaleChangement();
        }
    } finDuRejeu{*this};
    rejeuEnCours_ = true;
    // Every deal is played again, so that an impossible earlier deal is refused like an
    // impossible last one; a film shows the last deal only. Each line must be consumed as it
    // comes: a file holds the events in the order the table released them.
    for (std::size_t i = 0; i < evenements.size(); ++i) {
        const std::size_t numero = lignes[i + 1].numero;
        const bool derniere = i + 1 == evenements.size();
        const ModeRejeu mode = film && i >= derniereDonne ? ModeRejeu::Film : ModeRejeu::Chargement;
        const std::size_t avant = enregistrement_.size();
        try {
            ajoute(evenements[i], mode, derniere ? evenements[i].getNoEvenement() : AUCUN_ARRET);
        } catch (const ErreurDeValeur&) {
            throw ErreurDeFichier(numero, ID_VALEUR_HORS_LIMITES);
        } catch (const ErreurDeFichier& erreur) {
            throw ErreurDeFichier(numero, erreur.raison());
        } catch (const Exception&) {
            throw ErreurDeFichier(numero, ID_EVENEMENT_IMPOSSIBLE);
        }
        if (enregistrement_.size() != avant + 1) throw ErreurDeFichier(numero, ID_EVENEMENT_IMPOSSIBLE);
    }
    // Without its four players the game cannot go on: nobody would register them.
    if (table_.etatJeu() < EvenementDeJeu::InscriptionJoueur_3)
        throw ErreurDeFichier(lignes.back().numero, ID_INSCRIPTIONS_MANQUANTES);
    if (film) Plateforme::courante().information(texte(ID_FIN_DU_FILM), texte(ID_TITRE_INFORMATION));
}

void ListeDesEvenements::sauve(const std::string& nomFichier) const {
    std::string contenu;
    for (const std::string& ligne : enregistrement_) contenu += ligne + "\r\n";
    try {
        ecritFichierSurement(nomFichier, contenu);
    } catch (const ErreurDEcriture& erreur) {
        throw Exception(formate(ID_ENREGISTREMENT_IMPOSSIBLE, nomFichier, erreur.what()));
    }
}

void ListeDesEvenements::signaleChangement() const {
    if (changement && !rejeuEnCours_) changement();
}
