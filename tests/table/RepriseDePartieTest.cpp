#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "support/Fichiers.h"
#include "support/PartieDeQuatreHumains.h"
#include "table/RepriseDePartie.h"

namespace fs = std::filesystem;

// A game in progress is never lost: the table keeps it in a file after every event, and the next
// start offers to resume it where it stood.
namespace {

class RepriseDePartie : public ::testing::Test {
protected:
    fs::path dossier = dossierDuTest();
    fs::path fichier = dossier / "partie-en-cours.jss";
    void SetUp() override { fs::create_directories(dossier); }
    void TearDown() override { fs::remove_all(dossier); }

    // A game kept in the file, played into its first deal; then the program dies.
    std::vector<std::string> partieInterrompue(int etat) {
        auto partie = std::make_unique<PartieDeQuatreHumains>(7);
        partie->table.sauvegardeEnContinuDans(fichier.string());
        partie->demarre(OptionsDePartie());
        EXPECT_FALSE(fs::exists(fichier));  // nothing to resume before the play begins
        partie->joueJusqua(etat);
        EXPECT_EQ(partie->table.etatJeu(), etat);
        return partie->table.listeDesEvenements().enregistrement();
    }
};

std::string joint(const std::vector<std::string>& lignes) {
    std::string contenu;
    for (const std::string& ligne : lignes) contenu += ligne + "\r\n";
    return contenu;
}

}  // namespace

TEST_F(RepriseDePartie, TheNextStartResumesTheGameWhereItStood) {
    // In the middle of a trick's collection: some seats have confirmed, the others owe it.
    const std::vector<std::string> enregistrement = partieInterrompue(EvenementDeJeu::Tour2_AttendRamasseTas3);
    EXPECT_EQ(litFichier(fichier), joint(enregistrement));

    PartieDeQuatreHumains reprise(8);
    reprise.table.sauvegardeEnContinuDans(fichier.string());
    reprise.plateforme.reponses = {true, false, false};  // resume; no film; no new game at the end
    ASSERT_TRUE(offreDeReprendre(reprise.table, fichier.string()));
    EXPECT_EQ(reprise.plateforme.boites[0].texte,
              "Une partie n'a pas \xE9t\xE9 termin\xE9" "e. Voulez-vous la reprendre l\xE0 o\xF9 elle s'est arr\xEAt\xE9" "e ?");
    EXPECT_EQ(reprise.table.etatJeu(), EvenementDeJeu::Tour2_AttendRamasseTas3);
    EXPECT_EQ(reprise.table.listeDesEvenements().enregistrement(), enregistrement);

    // The seats that owed their confirmation are asked; the file follows the game again.
    for (int siege = 0; siege < 4; ++siege) reprise.joueur(siege).panel().place(900, 700);
    reprise.joueJusqua(EvenementDeJeu::Tour3_AttendCarte2);
    EXPECT_EQ(reprise.table.etatJeu(), EvenementDeJeu::Tour3_AttendCarte2);
    EXPECT_EQ(litFichier(fichier), joint(reprise.table.listeDesEvenements().enregistrement()));
}

TEST_F(RepriseDePartie, AFinishedGameIsNothingToResume) {
    fs::copy_file(fs::path(TRUMPWISE_FIXTURES_DIR) / "partie-standard.jss", fichier);
    PartieDeQuatreHumains fin;
    fin.table.sauvegardeEnContinuDans(fichier.string());
    fin.plateforme.reponses = {true, false, false};
    ASSERT_TRUE(offreDeReprendre(fin.table, fichier.string()));
    fin.joueJusqua(EvenementDeJeu::Vide_Avant_NouvellePartie);
    EXPECT_EQ(fin.table.etatJeu(), EvenementDeJeu::Vide_Avant_NouvellePartie);
    EXPECT_FALSE(fs::exists(fichier));
}

TEST_F(RepriseDePartie, DecliningForgetsTheGameAndTheProgramStartsAsAlways) {
    partieInterrompue(EvenementDeJeu::Tour1_AttendCarte3);
    PartieDeQuatreHumains suivante;
    suivante.plateforme.reponses = {false};
    EXPECT_FALSE(offreDeReprendre(suivante.table, fichier.string()));
    EXPECT_EQ(suivante.table.etatJeu(), EvenementDeJeu::Depart);
    EXPECT_FALSE(fs::exists(fichier));
    // Without a file, nothing is asked.
    EXPECT_FALSE(offreDeReprendre(suivante.table, fichier.string()));
    EXPECT_EQ(suivante.plateforme.boites.size(), 1u);
}

TEST_F(RepriseDePartie, AFileThatCannotBeResumedIsReportedAndForgotten) {
    ecritFichier(fichier, "3\r\n{abc}\r\n");
    PartieDeQuatreHumains suivante;
    EXPECT_FALSE(offreDeReprendre(suivante.table, fichier.string()));
    EXPECT_EQ(suivante.plateforme.boites.back().genre, "erreur");
    EXPECT_EQ(suivante.table.etatJeu(), EvenementDeJeu::Depart);
    EXPECT_FALSE(fs::exists(fichier));
}
