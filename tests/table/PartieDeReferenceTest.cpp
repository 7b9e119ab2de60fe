#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "support/Fichiers.h"
#include "support/PartieDeQuatreHumains.h"

namespace fs = std::filesystem;

// Reference game files: a whole game of each type played by the seeded test driver. The tests
// play it again and compare the saved file byte for byte, then load the reference and check
// where it ends. Set TRUMPWISE_REGENERE_REFERENCES=1 to write them again after an intended change.
namespace {


struct Reference {
    const char* fichier;
    OptionsDePartie::TypePartie typePartie;
    int typeChibre;
    unsigned graine;
};

const Reference references[] = {
    {"partie-standard.jss", OptionsDePartie::Standard, 2, 21},
    {"partie-concours.jss", OptionsDePartie::Concours, 3, 22},
};

class PartieDeReference : public ::testing::TestWithParam<Reference> {};

}  // namespace

TEST_P(PartieDeReference, PlayingTheSameGameWritesTheSameFile) {
    const Reference& reference = GetParam();
    PartieDeQuatreHumains partie(reference.graine);
    OptionsDePartie options;
    options.setTypeChibre(reference.typeChibre);
    options.setTypePartie(reference.typePartie);
    partie.demarre(options);
    partie.joueJusqua(EvenementDeJeu::AttendFinDePartie1);
    ASSERT_EQ(partie.table.etatJeu(), EvenementDeJeu::AttendFinDePartie1);

    const fs::path attendu = fs::path(TRUMPWISE_FIXTURES_DIR) / reference.fichier;
    const fs::path ecrit = fs::temp_directory_path() / (std::string("trumpwise-") + reference.fichier);
    partie.table.sauve(ecrit.string());
    if (std::getenv("TRUMPWISE_REGENERE_REFERENCES")) fs::copy_file(ecrit, attendu, fs::copy_options::overwrite_existing);
    EXPECT_EQ(litFichier(ecrit), litFichier(attendu));
    fs::remove(ecrit);
}

TEST_P(PartieDeReference, LoadingTheReferenceEndsTheGameAgain) {
    const Reference& reference = GetParam();
    PartieDeQuatreHumains partie;
    partie.plateforme.reponses = {false, false};  // quick load, no new game afterwards
    partie.table.commencePartie(Table::ChargeFichier, OptionsDePartie::Local,
                                (fs::path(TRUMPWISE_FIXTURES_DIR) / reference.fichier).string());
    EXPECT_EQ(partie.table.etatJeu(), EvenementDeJeu::AttendFinDePartie1);
    const int score1 = partie.table.totalEquipe(0) + partie.table.pointsAnnoncesEquipe(0) +
                       partie.table.partie()->getPointsEquipe1();
    const int score2 = partie.table.totalEquipe(1) + partie.table.pointsAnnoncesEquipe(1) +
                       partie.table.partie()->getPointsEquipe2();
    if (reference.typePartie == OptionsDePartie::Concours)
        EXPECT_EQ(partie.table.compteurDonnes(), 8);
    else
        EXPECT_TRUE(score1 >= 3000 || score2 >= 3000);
    partie.plateforme.avanceJusquAuRepos();
    EXPECT_EQ(partie.table.etatJeu(), EvenementDeJeu::Vide_Avant_NouvellePartie);
}

INSTANTIATE_TEST_SUITE_P(References, PartieDeReference, ::testing::ValuesIn(references),
                         [](const auto& info) { return info.param.typePartie == OptionsDePartie::Standard ? "Standard" : "Concours"; });
