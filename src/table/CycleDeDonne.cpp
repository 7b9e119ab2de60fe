// The table's deal cycle: the settings at the start of each deal, dealing, trump choice with
// chibre, melds and their contest, cards and tricks, the end of a deal and of the game, the
// offer of a new game, and the competition in which four deals are played twice with the hands
// given to the other team.
#include <filesystem>
#include <system_error>

#include "platform/Assertion.h"
#include "platform/TableDesTextes.h"
#include "players/Joueur.h"
#include "rules/TypeDePartie.h"
#include "events/ErreurDeFichier.h"
#include "events/SettingsPartie.h"
#include "events/Statistiques.h"
#include "table/Table.h"
#include "rules/Siege.h"

namespace {

// Texts of the string table used here.
enum IdTexte {
    ID_AUTRE_PARTIE = 3330,
    ID_TITRE_FIN_DE_PARTIE = 3331,
    ID_DOIT_CONFIRMER_FIN = 3341,
    ID_TITRE_INFORMATION_CONCOURS = 3343,
    ID_MAINS_ECHANGEES = 3344,
    ID_STATISTIQUES_CORROMPUES = 3808,
    ID_TITRE_ERREUR = 3809,
    ID_SETTINGS_EN_DESACCORD = 3610,
};

constexpr int NB_DONNES_CONCOURS = SettingsPartie::NB_DONNES_CONCOURS;
constexpr int NB_DONNES_DEMI_CONCOURS = NB_DONNES_CONCOURS / 2;
}  // namespace

void Table::passeAEtatSuivant(ModeRejeu mode) {
    if (etatJeu_ != EvenementDeJeu::Tour9_AttendRamasseTas4) {
        ++etatJeu_;
        return;
    }
    etatJeu_ = EvenementDeJeu::AttendEnregistrementSettings;
    TW_ASSERT(partie_.has_value(), "Table");
    if (partie_) {
        for (int equipe = 0; equipe < 2; ++equipe)
            totalEquipe_[equipe] += partie_->getPointsEquipe(equipe) + pointsAnnoncesEquipe_[equipe];
    }
    donneTerminee_ = true;
    if (estConcours_ && compteurDonnes_ == NB_DONNES_DEMI_CONCOURS) {
        // A replay passes the turn of a competition the user has already been told of; a client's
        // table follows the host's settings into the second half without a box.
        if (!estRejeu(mode) && !client_)
            Plateforme::courante().information(texte(ID_MAINS_ECHANGEES), texte(ID_TITRE_INFORMATION_CONCOURS));
        knuthRandom_.load(etatRandomInitial_);
        distributionInversee_ = true;
        joueurDoitChoisirAtout_ = -10;
    }
    partie_.reset();
}

SettingsPartie Table::settings() const {
    SettingsPartie settings;
    settings.joueurDoitChoisirAtout = joueurDoitChoisirAtout_;
    settings.etatRandom = knuthRandom_.save();
    settings.totalEq1 = totalEquipe_[0];
    settings.totalEq2 = totalEquipe_[1];
    settings.statistiques = statistiques_.texte();
    settings.estConcours = estConcours_;
    settings.compteurDonnes = compteurDonnes_;
    settings.distributionInversee = distributionInversee_;
    settings.etatRandomInitial = etatRandomInitial_;
    return settings;
}

void Table::traiteSettings(const std::string& donnees, ModeRejeu mode) {
    SettingsPartie settings;
    settings.load(donnees);
    // Every value is checked before any is applied, so a damaged record changes nothing. The
    // settings carry the kind of game the options registered: a competition counted as a
    // standard game would never end, and the other way round it would end after eight deals.
    if (settings.estConcours != (optionsDePartie_.getTypePartie() == OptionsDePartie::Concours))
        throw ErreurDeFichier(ID_SETTINGS_EN_DESACCORD, texte(ID_SETTINGS_EN_DESACCORD));
    // A replayed deal leaves the table where the next deal's settings must find it; the
    // statistics are the program's, not the game's.
    SettingsPartie attendu = this->settings();
    attendu.statistiques = settings.statistiques;
    if (estRejeu(mode) && donneTerminee_ && attendu.save() != settings.save())
        throw ErreurDeFichier(ID_SETTINGS_EN_DESACCORD, texte(ID_SETTINGS_EN_DESACCORD));
    KnuthRandom generateur(true);
    generateur.load(settings.etatRandom);
    Statistiques statistiques;
    const bool statistiquesValides = statistiques.charge(settings.statistiques);

    donneTerminee_ = false;

    joueurDoitChoisirAtout_ = settings.joueurDoitChoisirAtout;
    knuthRandom_ = generateur;
    totalEquipe_ = {settings.totalEq1, settings.totalEq2};
    statistiques_ = statistiques;
    estConcours_ = settings.estConcours;
    compteurDonnes_ = settings.compteurDonnes;
    distributionInversee_ = settings.distributionInversee;
    etatRandomInitial_ = settings.etatRandomInitial;
    if (!statistiquesValides) Plateforme::courante().information(texte(ID_STATISTIQUES_CORROMPUES), texte(ID_TITRE_ERREUR));
}

void Table::traiteDistribue() {
    TW_ASSERT(etatJeu_ == EvenementDeJeu::AttendDistribue1 || etatJeu_ == EvenementDeJeu::AttendDistribue2 ||
                  etatJeu_ == EvenementDeJeu::AttendDistribue3 || etatJeu_ == EvenementDeJeu::AttendDistribue4,
              "Table");
    if (etatJeu_ != EvenementDeJeu::AttendDistribue4) return;
    tasCentral_.setLabelAtout("");
    panelsRamassees_[0].vide();
    panelsRamassees_[1].vide();
    knuthRandom_.compteDonne();

    CarteSet cartes = jeu_.getCartes();
    const Carte& septDeCarreau = Carte::trouve(Carte::Carreau, Carte::Sept);
    for (int i = 0; i < 4; ++i) {
        const int siege = distributionInversee_ ? siege::suivant(i) : i;
        const CarteSet main = jeu_.tireCartes(cartes, knuthRandom_);
        if (joueurDoitChoisirAtout_ == SettingsPartie::PREMIER_A_DETERMINER && main.contient(septDeCarreau))
            joueurDoitChoisirAtout_ = siege - 1;
        joueur_[siege]->donneCartes(main);
        for (int autre = 0; autre < 4; ++autre)
            if (autre != siege) joueur_[autre]->informeMain(main, siege);
    }

    const int nbRestant = NB_DONNES_CONCOURS - compteurDonnes_;
    panelsRamassees_[0].afficheEquipe(nomDuJoueur(0), nomDuJoueur(2), pointsPourGagner_, nbRestant);
    panelsRamassees_[1].afficheEquipe(nomDuJoueur(1), nomDuJoueur(3), pointsPourGagner_, nbRestant);
    finDistribution();
    pointsAnnoncesEquipe_ = {};
    metAJourScores();
}

void Table::finDistribution() {
    TW_ASSERT(etatJeu_ == EvenementDeJeu::AttendDistribue4, "Table");
    joueurDoitChoisirAtout_ = siege::duNombre(joueurDoitChoisirAtout_ + 1);
    joueurAChoisiAtout_ = joueurDoitChoisirAtout_;
    if (compteurDonnes_ < SettingsPartie::COMPTEUR_DONNES_MAX) ++compteurDonnes_;
    if (montreTout_)
        for (auto& joueur : joueur_) joueur->montreTout();
}

void Table::traiteChoixAtout(const StatusAtout& status, int intervenant) {
    TW_ASSERT(etatJeu_ == EvenementDeJeu::AttendAtout || etatJeu_ == EvenementDeJeu::AttendAtoutChibre, "Table");
    if (!status.estChoisi) return;
    joueurAChoisiAtout_ = intervenant;
    etatJeu_ = EvenementDeJeu::AttendAtoutChibre;
    TW_ASSERT(!partie_.has_value(), "Table");
    partie_.emplace(status.atout, jeu_.getCartes(), joueurDoitChoisirAtout_, joueurAChoisiAtout_, status.multiplicateur);
    for (auto& joueur : joueur_) joueur->setAtout(status.atout);
    metAJourScores();
}

void Table::traiteAnnonce(const Annonces& annonces, int intervenant) {
    TW_ASSERT(etatJeu_ == EvenementDeJeu::AttendAnnonce1 || etatJeu_ == EvenementDeJeu::AttendAnnonce2 ||
                  etatJeu_ == EvenementDeJeu::AttendAnnonce3 || etatJeu_ == EvenementDeJeu::AttendAnnonce4,
              "Table");
    if (nbAnnonces_ >= 4) return;
    annonces_[nbAnnonces_] = annonces;
    annonceurs_[nbAnnonces_] = intervenant;
    if (++nbAnnonces_ < 4) return;

    const ResultatDesAnnonces resultat =
        resultatDesAnnonces(annonces_, annonceurs_[0], partie_->atout(), partie_->getMultiplicateur());
    if (resultat.meilleure < 0) return;
    const int s = annonceurs_[resultat.meilleure];
    const int t = annonceurs_[resultat.partenaire];
    joueur_[s]->montreAnnonces(annonces_[resultat.meilleure]);
    joueur_[t]->montreAnnonces(annonces_[resultat.partenaire]);
    pointsAnnoncesEquipe_[resultat.equipe - 1] += resultat.points;
    for (auto& joueur : joueur_) {
        joueur->informeAnnonce(s, annonces_[resultat.meilleure]);
        joueur->informeAnnonce(t, annonces_[resultat.partenaire]);
    }
}

void Table::traiteConfirmationAnnonce() {
    TW_ASSERT(etatJeu_ == EvenementDeJeu::AttendConfirmationAnnonces1 ||
                  etatJeu_ == EvenementDeJeu::AttendConfirmationAnnonces2 ||
                  etatJeu_ == EvenementDeJeu::AttendConfirmationAnnonces3 ||
                  etatJeu_ == EvenementDeJeu::AttendConfirmationAnnonces4,
              "Table");
    if (etatJeu_ != EvenementDeJeu::AttendConfirmationAnnonces4) return;
    for (auto& joueur : joueur_) joueur->reafficheMain();
    for (auto& annonces : annonces_) annonces = Annonces();
    nbAnnonces_ = 0;
    metAJourScores();
}

void Table::traiteCarte(const Carte* carte, int intervenant) {
    TW_ASSERT(etatJeu_ >= EvenementDeJeu::Tour1_AttendCarte1 && etatJeu_ <= EvenementDeJeu::Tour9_AttendCarte4,
              "Table");
    TW_ASSERT(carte != NULL, "Table");
    if (!carte || !partie_) return;
    joueur_[intervenant]->panel().retireCarte(*carte);
    tasCentral_.poseCarte(intervenant, *carte);
    partie_->joueCarte(*carte, intervenant);
    for (auto& joueur : joueur_) joueur->informeCarteJouee(*carte, *partie_);
}

void Table::traiteRamasseTas() {
    TW_ASSERT(etatJeu_ >= EvenementDeJeu::Tour1_AttendRamasseTas1 && etatJeu_ < EvenementDeJeu::Vide_Avant_Fin,
              "Table");
    TW_ASSERT(tasCentral_.nbCartes() == 4, "Table");
    if (EvenementDeJeu::siegeDuRamasseTas(etatJeu_) != 3 || !partie_) return;

    const int gagnant = partie_->noDuProchainAJouer();
    for (int siege = 0; siege < 4; ++siege)
        if (const Carte* carte = tasCentral_.carteDe(siege)) panelsRamassees_[siege::equipe(gagnant)].ajouteCarte(*carte);
    tasCentral_.vide();
    metAJourScores();

    if (scoreEquipe(0) >= pointsPourGagner_ || scoreEquipe(1) >= pointsPourGagner_) {
        etatJeu_ = EvenementDeJeu::Vide_Avant_Fin;
    } else if (estConcours_ && compteurDonnes_ >= NB_DONNES_CONCOURS &&
               etatJeu_ == EvenementDeJeu::Tour9_AttendRamasseTas4) {
        etatJeu_ = EvenementDeJeu::Vide_Avant_Fin;
    }
}

void Table::demandeFinDePartie(const InfoDemande& demande) {
    const int score1 = scoreEquipe(0);
    const int score2 = scoreEquipe(1);
    const bool equipe1Gagne = score1 >= score2;
    const bool egalite = score1 == score2;
    for (int siege = 0; siege < 4; ++siege) afficheMessage(formate(ID_DOIT_CONFIRMER_FIN, nomDuJoueur(siege)), demande.mode());
    const int sieges[4] = {0, 2, 1, 3};
    for (int k = 0; k < 4; ++k) {
        const int siege = sieges[k];
        const bool gagne = siege::equipe(siege) == 0 ? equipe1Gagne : !equipe1Gagne;
        joueur_[siege]->demandeFinDePartie(gagne, egalite,
                                           InfoDemande(EvenementDeJeu::AttendFinDePartie1 + k, demande.mode()));
    }
    statistiques_.ajouteResultat(score1 - score2, equipe1Gagne);
    metAJourScores();
    panelsRamassees_[0].afficheScoreFinal(score1);
    panelsRamassees_[1].afficheScoreFinal(score2);
}

void Table::traiteFinDePartie() {
    TW_ASSERT(etatJeu_ == EvenementDeJeu::AttendFinDePartie1 || etatJeu_ == EvenementDeJeu::AttendFinDePartie2 ||
                  etatJeu_ == EvenementDeJeu::AttendFinDePartie3 || etatJeu_ == EvenementDeJeu::AttendFinDePartie4,
              "Table");
    if (etatJeu_ != EvenementDeJeu::AttendFinDePartie4) return;
    etatJeu_ = EvenementDeJeu::Vide_Avant_NouvellePartie;
    // A finished game is nothing to resume.
    std::error_code sansFichier;
    if (!fichierDeReprise_.empty()) std::filesystem::remove(fichierDeReprise_, sansFichier);
    timerNouvellePartie_->demarre(1, false);
}

void Table::offreNouvellePartie() {
    timerNouvellePartie_->arrete();
    TW_ASSERT(etatJeu_ == EvenementDeJeu::Vide_Avant_NouvellePartie, "Table");
    if (client_) {
        commencePartie(NouvellePartieClient, OptionsDePartie::Inchangee, "");
        return;
    }
    if (Plateforme::courante().question(texte(ID_AUTRE_PARTIE), texte(ID_TITRE_FIN_DE_PARTIE)))
        commencePartie(RejoueMemesJoueurs, OptionsDePartie::Inchangee, "");
}
