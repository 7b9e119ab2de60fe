// The table's deal cycle: the settings at the start of each deal, dealing, trump choice with
// chibre, melds and their contest, cards and tricks, the end of a deal and of the game, the
// offer of a new game, and the competition in which four deals are played twice with the hands
// given to the other team.
#include "platform/Assertion.h"
#include "platform/TableDesTextes.h"
#include "players/Joueur.h"
#include "rules/TypeDePartie.h"
#include "events/SettingsPartie.h"
#include "events/Statistiques.h"
#include "table/Table.h"

namespace {
constexpr int NB_DONNES_CONCOURS = 8;
constexpr int NB_DONNES_DEMI_CONCOURS = 4;
}  // namespace

void Table::passeAEtatSuivant() {
    if (etatJeu_ != EvenementDeJeu::Tour9_AttendRamasseTas4) {
        ++etatJeu_;
        return;
    }
    etatJeu_ = EvenementDeJeu::AttendEnregistrementSettings;
    TW_ASSERT(partie_.has_value(), "Table");
    if (partie_) {
        totalEq1_ += partie_->getPointsEquipe1() + pointsAnnoncesEq1_;
        totalEq2_ += partie_->getPointsEquipe2() + pointsAnnoncesEq2_;
    }
    if (estConcours_ && compteurDonnes_ == NB_DONNES_DEMI_CONCOURS) {
        Plateforme::courante().information(texte(3344), texte(3343));
        knuthRandom_.load(etatRandomInitial_);
        distributionInversee_ = true;
        joueurDoitChoisirAtout_ = -10;
    }
    partie_.reset();
}

std::string Table::settings() const {
    SettingsPartie settings;
    settings.joueurDoitChoisirAtout = joueurDoitChoisirAtout_;
    settings.etatRandom = knuthRandom_.save();
    settings.totalEq1 = totalEq1_;
    settings.totalEq2 = totalEq2_;
    settings.statistiques = statistiques_.texte();
    settings.estConcours = estConcours_;
    settings.compteurDonnes = compteurDonnes_;
    settings.distributionInversee = distributionInversee_;
    settings.etatRandomInitial = etatRandomInitial_;
    return settings.save();
}

void Table::traiteSettings(const std::string& donnees) {
    SettingsPartie settings;
    settings.load(donnees);
    // Every value is checked before any is applied, so a damaged record changes nothing.
    if (settings.joueurDoitChoisirAtout != SettingsPartie::PREMIER_A_DETERMINER &&
        (settings.joueurDoitChoisirAtout < -1 || settings.joueurDoitChoisirAtout > 3))
        throw ErreurDeFormat("Invalid first player in the deal settings");
    if (settings.compteurDonnes < -1) throw ErreurDeFormat("Invalid deal count in the deal settings");
    KnuthRandom generateur(true);
    generateur.load(settings.etatRandom);
    if (!settings.etatRandomInitial.empty()) KnuthRandom(true).load(settings.etatRandomInitial);
    Statistiques statistiques;
    const bool statistiquesValides = statistiques.charge(settings.statistiques);

    joueurDoitChoisirAtout_ = settings.joueurDoitChoisirAtout;
    knuthRandom_ = generateur;
    totalEq1_ = settings.totalEq1;
    totalEq2_ = settings.totalEq2;
    statistiques_ = statistiques;
    estConcours_ = settings.estConcours;
    compteurDonnes_ = settings.compteurDonnes;
    distributionInversee_ = settings.distributionInversee;
    etatRandomInitial_ = settings.etatRandomInitial;
    if (!statistiquesValides) Plateforme::courante().information(texte(3808), texte(3809));
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
        const int siege = distributionInversee_ ? (i + 1) % 4 : i;
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
    pointsAnnoncesEq1_ = pointsAnnoncesEq2_ = 0;
    metAJourScores();
}

void Table::finDistribution() {
    TW_ASSERT(etatJeu_ == EvenementDeJeu::AttendDistribue4, "Table");
    joueurDoitChoisirAtout_ = ((joueurDoitChoisirAtout_ + 1) % 4 + 4) % 4;
    joueurAChoisiAtout_ = joueurDoitChoisirAtout_;
    ++compteurDonnes_;
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

    const int meilleure = Annonces::meilleureAnnonce(annonces_, partie_->atout());
    if (meilleure < 0) return;
    const int partenaire = (meilleure + 2) % 4;
    const int s = annonceurs_[meilleure];
    const int t = annonceurs_[partenaire];
    joueur_[s]->montreAnnonces(annonces_[meilleure]);
    joueur_[t]->montreAnnonces(annonces_[partenaire]);
    const int points = (annonces_[meilleure].getTotalPoints() + annonces_[partenaire].getTotalPoints()) *
                       partie_->getMultiplicateur();
    (s % 2 == 0 ? pointsAnnoncesEq1_ : pointsAnnoncesEq2_) += points;
    for (auto& joueur : joueur_) {
        joueur->informeAnnonce(s, annonces_[meilleure]);
        joueur->informeAnnonce(t, annonces_[partenaire]);
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
        if (const Carte* carte = tasCentral_.carteDe(siege)) panelsRamassees_[gagnant % 2].ajouteCarte(*carte);
    tasCentral_.vide();
    metAJourScores();

    if (partie_->getPointsEquipe1() + pointsAnnoncesEq1_ + totalEq1_ >= pointsPourGagner_ ||
        partie_->getPointsEquipe2() + pointsAnnoncesEq2_ + totalEq2_ >= pointsPourGagner_) {
        etatJeu_ = EvenementDeJeu::Vide_Avant_Fin;
    } else if (estConcours_ && compteurDonnes_ >= NB_DONNES_CONCOURS &&
               etatJeu_ == EvenementDeJeu::Tour9_AttendRamasseTas4) {
        etatJeu_ = EvenementDeJeu::Vide_Avant_Fin;
    }
}

void Table::demandeFinDePartie(const InfoDemande& demande) {
    const int score1 = partie_->getPointsEquipe1() + pointsAnnoncesEq1_ + totalEq1_;
    const int score2 = partie_->getPointsEquipe2() + pointsAnnoncesEq2_ + totalEq2_;
    const bool equipe1Gagne = score1 >= score2;
    const bool egalite = score1 == score2;
    for (int siege = 0; siege < 4; ++siege) afficheMessage(formate(3341, nomDuJoueur(siege)), demande.estRejeu());
    const bool film = demande.mode() == InfoDemande::Film;
    const int sieges[4] = {0, 2, 1, 3};
    for (int k = 0; k < 4; ++k) {
        const int siege = sieges[k];
        const bool gagne = siege % 2 == 0 ? equipe1Gagne : !equipe1Gagne;
        joueur_[siege]->demandeFinDePartie(gagne, egalite,
                                           InfoDemande(EvenementDeJeu::AttendFinDePartie1 + k, demande.estRejeu(), film));
    }
    statistiques_.ajouteResultat(score1 - score2, equipe1Gagne);
    metAJourScores();
}

void Table::traiteFinDePartie() {
    TW_ASSERT(etatJeu_ == EvenementDeJeu::AttendFinDePartie1 || etatJeu_ == EvenementDeJeu::AttendFinDePartie2 ||
                  etatJeu_ == EvenementDeJeu::AttendFinDePartie3 || etatJeu_ == EvenementDeJeu::AttendFinDePartie4,
              "Table");
    if (etatJeu_ != EvenementDeJeu::AttendFinDePartie4) return;
    etatJeu_ = EvenementDeJeu::Vide_Avant_NouvellePartie;
    timerNouvellePartie_->demarre(1, false);
}

void Table::offreNouvellePartie() {
    timerNouvellePartie_->arrete();
    TW_ASSERT(etatJeu_ == EvenementDeJeu::Vide_Avant_NouvellePartie, "Table");
    if (Plateforme::courante().question(texte(3330), texte(3331)))
        commencePartie(RejoueMemesJoueurs, OptionsDePartie::Inchangee, "");
}
