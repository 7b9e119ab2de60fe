#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "platform/TableDesTextes.h"
#include "support/Fichiers.h"
#include "support/PartieDeQuatreHumains.h"

namespace fs = std::filesystem;

namespace {



class FichierDePartie : public ::testing::Test {
protected:
    fs::path dossier = fs::temp_directory_path() /
                       ("trumpwise-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    void SetUp() override { fs::create_directories(dossier); }
    void TearDown() override { fs::remove_all(dossier); }

    // A game saved in the middle of its third deal.
    fs::path partieEnCours(PartieDeQuatreHumains& partie, const std::string& nom) {
        partie.demarre(OptionsDePartie());
        while (partie.table.compteurDonnes() < 3) partie.agit();
        partie.joueJusqua(EvenementDeJeu::Tour4_AttendCarte2);
        const fs::path chemin = dossier / nom;
        partie.table.sauve(chemin.string());
        return chemin;
    }
};

// Everything a player sees of the table: state, scores, every hand and the pile.
std::string etatVisible(Table& table) {
    std::ostringstream etat;
    etat << int(table.etatJeu()) << " " << table.totalEquipe(0) << "/" << table.totalEquipe(1) << " "
         << table.pointsAnnoncesEquipe(0) << "/" << table.pointsAnnoncesEquipe(1) << " donnes "
         << table.compteurDonnes() << " premier " << table.joueurDoitChoisirAtout();
    if (table.partie())
        etat << " points " << table.partie()->getPointsEquipe1() << "/" << table.partie()->getPointsEquipe2();
    for (int siege = 0; siege < 4; ++siege) {
        etat << " |";
        for (const Carte& carte : table.getJoueur(siege)->getMain()) etat << " " << carte.getIdentifiant();
        if (const Carte* posee = table.tasCentral().carteDe(siege)) etat << " pose " << posee->getIdentifiant();
    }
    return etat.str();
}

}  // namespace

TEST_F(FichierDePartie, LoadingQuicklyPutsTheTableWhereItStoodAndTheGameGoesOn) {
    PartieDeQuatreHumains original(11);
    const fs::path chemin = partieEnCours(original, "milieu.jss");
    const std::string contenu = litFichier(chemin);
    ASSERT_EQ(contenu.substr(0, 3), "3\r\n");

    PartieDeQuatreHumains chargee(12);
    chargee.plateforme.reponses = {false};  // not as a film
    chargee.table.commencePartie(Table::ChargeFichier, OptionsDePartie::Local, chemin.string());
    EXPECT_TRUE(chargee.plateforme.boites.size() == 1 && chargee.plateforme.boites[0].genre == "question");
    EXPECT_EQ(etatVisible(chargee.table), etatVisible(original.table));
    EXPECT_EQ(chargee.table.listeDesEvenements().enregistrement(), original.table.listeDesEvenements().enregistrement());
    EXPECT_EQ(chargee.plateforme.ecoule().count(), 0);  // a quick load does not pause

    // Saving again writes the same lines; loading never touched the file.
    chargee.table.sauve((dossier / "encore.jss").string());
    EXPECT_EQ(litFichier(dossier / "encore.jss"), contenu);
    EXPECT_EQ(litFichier(chemin), contenu);

    // The loaded game goes on exactly as the original would.
    for (int siege = 0; siege < 4; ++siege) chargee.joueur(siege).panel().place(900, 700);
    original.joueJusqua(EvenementDeJeu::Tour6_AttendCarte1);
    chargee.joueJusqua(EvenementDeJeu::Tour6_AttendCarte1);
    EXPECT_EQ(chargee.table.etatJeu(), EvenementDeJeu::Tour6_AttendCarte1);
    chargee.plateforme.reponses = {false};
    chargee.joueJusqua(EvenementDeJeu::Vide_Avant_NouvellePartie);
    EXPECT_EQ(chargee.table.etatJeu(), EvenementDeJeu::Vide_Avant_NouvellePartie);
}

TEST_F(FichierDePartie, AFilmPausesAtEveryStepAndSaysWhenItEnds) {
    PartieDeQuatreHumains original(3);
    const fs::path chemin = partieEnCours(original, "film.jss");

    PartieDeQuatreHumains film(4);
    film.plateforme.reponses = {true};
    film.table.commencePartie(Table::ChargeFichier, OptionsDePartie::Local, chemin.string());
    EXPECT_EQ(etatVisible(film.table), etatVisible(original.table));
    ASSERT_GE(film.plateforme.boites.size(), 2u);
    EXPECT_EQ(film.plateforme.boites.back().texte, "Fin du film. Cliquez sur OK pour continuer la partie.");
    // Only the registrations and the last deal are played again, each decision after 1.5 s.
    EXPECT_GE(film.plateforme.ecoule().count(), 1500 * 5);
}

TEST_F(FichierDePartie, ACompetitionDealsTheSameHandsToTheOtherTeamInItsSecondHalf) {
    PartieDeQuatreHumains partie(5);
    OptionsDePartie concours;
    concours.setTypePartie(OptionsDePartie::Concours);
    partie.plateforme.reponses = {false};
    partie.demarre(concours);

    std::vector<std::array<CarteSet, 4>> mains;
    int donneVue = -1;
    for (int garde = 0; garde < 100000 && partie.table.etatJeu() != EvenementDeJeu::Vide_Avant_NouvellePartie;
         ++garde) {
        if (partie.table.compteurDonnes() != donneVue && partie.table.etatJeu() == EvenementDeJeu::AttendAtout) {
            donneVue = partie.table.compteurDonnes();
            std::array<CarteSet, 4> donne;
            for (int siege = 0; siege < 4; ++siege) donne[siege] = partie.joueur(siege).getMain();
            mains.push_back(donne);
        }
        if (!partie.agit()) partie.plateforme.avance(1);
    }
    ASSERT_EQ(partie.table.etatJeu(), EvenementDeJeu::Vide_Avant_NouvellePartie);
    ASSERT_EQ(mains.size(), 8u);
    for (int donne = 0; donne < 4; ++donne)
        for (int siege = 0; siege < 4; ++siege)
            EXPECT_EQ(mains[donne + 4][(siege + 1) % 4], mains[donne][siege]) << "deal " << donne << " seat " << siege;
    int informations = 0;
    for (const auto& boite : partie.plateforme.boites) informations += boite.titre == "Information concours.";
    EXPECT_EQ(informations, 1);
}

TEST_F(FichierDePartie, BadFilesGiveAClearMessageAndChangeNothing) {
    PartieDeQuatreHumains modele(9);
    const fs::path bon = partieEnCours(modele, "bon.jss");
    const std::string contenu = litFichier(bon);
    const std::string ligne2 = contenu.substr(contenu.find("\r\n") + 2);
    struct Cas {
        const char* nom;
        std::string contenu;
        std::string message;
    };
    const Cas cas[] = {
        {"vide", "", "Ce fichier de partie est vide."},
        {"version2", "2\r\n" + ligne2, "Ce fichier n'est pas compatible"},
        {"pasUnNombre", "trois\r\n", "Ce fichier n'est pas compatible"},
        {"tronque", contenu.substr(0, contenu.size() - 9), "endommag"},
        {"nomInconnu", "3\r\n{Joue_v9.9\xA6x\xA6" "0\xA6" "21\xA6}\r\n", "ligne 2 : Ce fichier n'est pas compatible"},
        {"mauvaisNumero", contenu + "{Distribue_v3.1\xA6Ok\xA6" "2\xA6" "9\xA6}\r\n", "ne peut pas avoir lieu"},
        {"mauvaiseSorte", "3\r\n{Distribue_v3.1\xA6Ok\xA6" "0\xA6" "1\xA6}\r\n", "endommag"},
        {"enregistrementMalForme", "3\r\n{InscriptionTypeDePartie_v3.1\xA6{0\xA6" "0\xA6}\xA6" "4\xA6" "1\xA6}\r\n", "endommag"},
        {"carteAbsente", contenu + "{AjouteCarte_v3.1\xA6" "9_9.X\xA6" "0\xA6" "22\xA6}\r\n", "endommag"},
    };
    for (const Cas& k : cas) {
        const fs::path chemin = dossier / (std::string(k.nom) + ".jss");
        ecritFichier(chemin, k.contenu);
        PartieDeQuatreHumains partie;
        partie.plateforme.reponses = {false, false};
        partie.table.commencePartie(Table::ChargeFichier, OptionsDePartie::Local, chemin.string());
        ASSERT_FALSE(partie.plateforme.boites.empty()) << k.nom;
        const auto& boite = partie.plateforme.boites.back();
        EXPECT_EQ(boite.genre, "erreur") << k.nom;
        EXPECT_NE(boite.texte.find(k.message), std::string::npos) << k.nom << ": " << boite.texte;
        // The user reads which file failed, in his language, and no class name of the program.
        EXPECT_EQ(boite.texte.rfind(formate(3622, chemin.string()), 0), 0u) << k.nom << ": " << boite.texte;
        EXPECT_EQ(boite.texte.find("Erreur"), std::string::npos) << k.nom << ": " << boite.texte;
        EXPECT_EQ(partie.table.etatJeu(), EvenementDeJeu::Depart) << k.nom;
        EXPECT_EQ(litFichier(chemin), k.contenu) << k.nom;
    }
}
