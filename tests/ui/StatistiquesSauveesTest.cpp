#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "events/Statistiques.h"
#include "support/Fichiers.h"
#include "ui/StatistiquesSauvees.h"

namespace fs = std::filesystem;

namespace {

class StatistiquesSauveesTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::remove_all(dossier_);
        fs::create_directories(dossier_);
    }
    void TearDown() override { fs::remove_all(dossier_); }

    const fs::path dossier_ = dossierDuTest();
    const std::string fichier_ = (dossier_ / "statistiques.txt").string();
};

}  // namespace

TEST_F(StatistiquesSauveesTest, KeptBetweenRunsAndWrittenOnlyWhenTheyChange) {
    Statistiques statistiques;
    StatistiquesSauvees premiere(fichier_);
    ASSERT_TRUE(premiere.charge(statistiques)) << "no file yet: fresh statistics";
    EXPECT_EQ(statistiques.getPartiesJouees(), 0);
    statistiques.ajouteResultat(-35, false);
    statistiques.ajouteResultat(120, true);
    ASSERT_TRUE(premiere.sauveSiChangees(statistiques));
    fs::remove(fichier_);
    EXPECT_TRUE(premiere.sauveSiChangees(statistiques));
    EXPECT_FALSE(fs::exists(fichier_)) << "unchanged statistics are not written again";

    statistiques.ajouteResultat(10, true);
    ASSERT_TRUE(premiere.sauveSiChangees(statistiques));
    Statistiques relues;
    StatistiquesSauvees suivante(fichier_);
    ASSERT_TRUE(suivante.charge(relues));
    EXPECT_EQ(relues.texte(), statistiques.texte());
    EXPECT_EQ(relues.getTotalPoints(), 95);
    EXPECT_EQ(relues.getPartiesJouees(), 3);
    EXPECT_EQ(relues.getPartiesGagnees(), 2);

    EXPECT_FALSE(StatistiquesSauvees((dossier_ / "absent" / "statistiques.txt").string()).sauveSiChangees(relues))
        << "a folder that does not exist is a quiet failure";
}

// Whatever the file holds, the program starts with fresh statistics and says so once: the file
// is set aside, and the next start finds none.
TEST_F(StatistiquesSauveesTest, ADamagedFileStartsAfreshAndIsToldOnce) {
    const std::string contenus[] = {
        "",
        "n'importe quoi",
        "{12\xA6" "3\xA6" "2\xA6" "0\xA6}",             // wrong check value
        "{12\xA6" "3\xA6",                               // a record that never closes
        "{-35\xA6" "1\xA6" "5\xA6" "-29\xA6}",          // more games won than played
        std::string(100000, '{'),
    };
    for (const std::string& contenu : contenus) {
        SCOPED_TRACE(contenu.substr(0, 30));
        ecritFichier(fichier_, contenu);
        Statistiques statistiques;
        statistiques.ajouteResultat(7, true);
        StatistiquesSauvees sauvees(fichier_);
        EXPECT_FALSE(sauvees.charge(statistiques));
        EXPECT_EQ(statistiques.texte(), Statistiques().texte());
        EXPECT_FALSE(fs::exists(fichier_));
        EXPECT_EQ(litFichier(sauvees.fichierEndommage()), contenu);
        EXPECT_TRUE(StatistiquesSauvees(fichier_).charge(statistiques)) << "told once";
    }
    fs::create_directories(fichier_);
    Statistiques statistiques;
    EXPECT_FALSE(StatistiquesSauvees(fichier_).charge(statistiques)) << "a folder in the file's place";
}
