#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "platform/EcritureSure.h"
#include "support/Fichiers.h"

namespace fs = std::filesystem;

namespace {

class EcritureSure : public ::testing::Test {
protected:
    fs::path dossier = dossierDuTest();
    void SetUp() override { fs::create_directories(dossier); }
    void TearDown() override {
        fs::permissions(dossier, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(dossier);
    }
    std::size_t nbFichiers() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(dossier), fs::directory_iterator()));
    }
    static std::string raison(const fs::path& chemin, const std::string& contenu) {
        try {
            ecritFichierSurement(chemin.string(), contenu);
        } catch (const ErreurDEcriture& erreur) {
            return erreur.what();
        }
        return {};
    }
};

fs::perms permissions(const fs::path& chemin) { return fs::status(chemin).permissions(); }

}  // namespace

TEST_F(EcritureSure, ReplacesTheContentAndLeavesNothingElseBehind) {
    const fs::path cible = dossier / "partie.jss";
    // A file of the user that happens to bear the name an older version used for its temporary.
    ecritFichier(dossier / "partie.jss.tmp", "mine");
    ecritFichierSurement(cible.string(), "3\r\n");
    ecritFichierSurement(cible.string(), "3\r\n{x}\r\n");
    EXPECT_EQ(litFichier(cible), "3\r\n{x}\r\n");
    EXPECT_EQ(litFichier(dossier / "partie.jss.tmp"), "mine");
    EXPECT_EQ(nbFichiers(), 2u);
}

TEST_F(EcritureSure, KeepsThePermissionsAndFollowsSymbolicLinks) {
    const fs::path cible = dossier / "partie.jss";
    ecritFichier(cible, "avant");
    fs::permissions(cible, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const fs::path lien = dossier / "lien.jss";
    fs::create_symlink(cible.filename(), lien);

    ecritFichierSurement(lien.string(), "apres");
    EXPECT_TRUE(fs::is_symlink(lien));
    EXPECT_EQ(litFichier(cible), "apres");
    EXPECT_EQ(permissions(cible), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(nbFichiers(), 2u);
}

TEST_F(EcritureSure, RefusesWithItsReasonAndLeavesTheTargetAsItWas) {
    const fs::path lectureSeule = dossier / "lecture-seule.jss";
    ecritFichier(lectureSeule, "garde");
    fs::permissions(lectureSeule, fs::perms::owner_read | fs::perms::group_read);
    EXPECT_EQ(raison(lectureSeule, "x"), "le fichier est en lecture seule.");
    EXPECT_EQ(litFichier(lectureSeule), "garde");
    EXPECT_EQ(raison(dossier / "absent" / "partie.jss", "x"), "le dossier n'existe pas.");
    EXPECT_EQ(raison(dossier, "x"), "c'est un dossier.");
    EXPECT_EQ(nbFichiers(), 1u);
}
