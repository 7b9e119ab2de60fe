#include "events/ListeDesEvenements.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "platform/Assertion.h"
#include "platform/Plateforme.h"
#include "platform/TableDesTextes.h"
#include "rules/OptionsDuJoueur.h"
#include "format/SpacesSeparatedString.h"

namespace {

// Texts of the string table used here.
enum IdTexte {
    ID_EVENEMENT_DU_JOUEUR = 1536,
    ID_FICHIER_VIDE = 1537,
    ID_REVOIR_LA_PARTIE = 1538,
    ID_TITRE_QUESTION = 1539,
    ID_FIN_DU_FILM = 1540,
    ID_TITRE_INFORMATION = 1541,
    ID_VERSION_DU_FICHIER = 1542,
    ID_FICHIER_ILLISIBLE = 3601,
    ID_FICHIER_ENDOMMAGE = 3602,
    ID_ENREGISTREMENT_IMPOSSIBLE = 3603,
};


std::vector<std::string> lignesDuFichier(const std::string& nomFichier) {
    std::ifstream fichier(nomFichier, std::ios::binary);
    if (!fichier) throw Exception(formate(ID_FICHIER_ILLISIBLE, nomFichier));
    std::ostringstream contenu;
    contenu << fichier.rdbuf();
    std::vector<std::string> lignes;
    std::istringstream flux(contenu.str());
    std::string ligne;
    while (std::getline(flux, ligne)) {
        if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
        lignes.push_back(ligne);
    }
    return lignes;
}

// Every line of a file is decoded before anything is replayed, so a damaged file is refused as
// a whole with the number of its first bad line.
std::vector<EvenementDeJeu> evenementsDesLignes(const std::vector<std::string>& lignes) {
    std::vector<EvenementDeJeu> evenements;
    for (std::size_t i = 1; i < lignes.size(); ++i) {
        try {
            evenements.emplace_back(lignes[i]);
        } catch (const Exception& erreur) {
            throw ErreurDeFormat(formate(ID_FICHIER_ENDOMMAGE, i + 1, erreur.what()));
        }
    }
    return evenements;
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

        table_.traiteEvenement(x, description, mode);
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
    const std::vector<std::string> lignes = lignesDuFichier(nomFichier);
    if (lignes.empty()) throw Exception(texte(ID_FICHIER_VIDE));
    std::int32_t version = 0;
    if (!convertitEntier(lignes[0], version) || version < VERSION_FICHIER) throw Exception(texte(ID_VERSION_DU_FICHIER));
    const bool film = lignes.size() > 10 && Plateforme::courante().question(texte(ID_REVOIR_LA_PARTIE), texte(ID_TITRE_QUESTION));
    rejoue(lignes, film);
}

void ListeDesEvenements::rejoue(const std::vector<std::string>& lignes, bool film) {
    TW_ASSERT(table_.etatJeu() == EvenementDeJeu::InscriptionTypeDePartie, "ListeDesEvenements");
    const std::vector<EvenementDeJeu> evenements = evenementsDesLignes(lignes);
    if (evenements.empty()) return;

    std::size_t positionDuDernierEnregistreSettings = 0;
    for (std::size_t i = 1; i < lignes.size(); ++i)
        if (evenements[i - 1].getType() == TypeEvenement::EnregistrementSettingsPartie)
            positionDuDernierEnregistreSettings = i;
    const int arret = evenements.back().getNoEvenement();

    // The events window is repainted once at the end, also when a bad line ends the replay.
    struct FinDuRejeu {
        ListeDesEvenements& liste;
        ~FinDuRejeu() {
            liste.rejeuEnCours_ = false;
            liste.signaleChangement();
        }
    } finDuRejeu{*this};
    rejeuEnCours_ = true;
    for (std::size_t i = 1; i < lignes.size(); ++i) {
        if (evenements[i - 1].getType() == TypeEvenement::EnregistrementSettingsPartie) {
            // Earlier deals stay in the record as they were; only the last one is played again,
            // from the settings that put the table where it stood at its start.
            for (; i < positionDuDernierEnregistreSettings; ++i) enregistrement_.push_back(lignes[i]);
            TW_ASSERT(i == positionDuDernierEnregistreSettings, "ListeDesEvenements");
        }
        ajoute(evenements[i - 1], film ? ModeRejeu::Film : ModeRejeu::Chargement, arret);
    }
    // An event the table never consumed (a number out of sequence) leaves the record short.
    if (lignes.size() != enregistrement_.size()) throw Exception(TEXTE_EVENEMENT_INVALIDE);
    if (film) Plateforme::courante().information(texte(ID_FIN_DU_FILM), texte(ID_TITRE_INFORMATION));
}

void ListeDesEvenements::sauve(const std::string& nomFichier) const {
    const std::string temporaire = nomFichier + ".tmp";
    {
        std::ofstream fichier(temporaire, std::ios::binary | std::ios::trunc);
        for (const std::string& ligne : enregistrement_) fichier << ligne << "\r\n";
        fichier.flush();
        if (!fichier) {
            std::remove(temporaire.c_str());
            throw Exception(formate(ID_ENREGISTREMENT_IMPOSSIBLE, nomFichier));
        }
    }
    if (std::rename(temporaire.c_str(), nomFichier.c_str()) != 0) {
        std::remove(temporaire.c_str());
        throw Exception(formate(ID_ENREGISTREMENT_IMPOSSIBLE, nomFichier));
    }
}

void ListeDesEvenements::signaleChangement() const {
    if (changement && !rejeuEnCours_) changement();
}
