#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "events/ErreurDeFichier.h"
#include "platform/TableDesTextes.h"
#include "support/Fichiers.h"
#include "support/PartieDeQuatreHumains.h"

namespace fs = std::filesystem;

// A game may be saved at any moment, also in the middle of a round of confirmations (a host
// saving while it waits for a remote player writes such a file). Whatever the moment, loading
// the file asks every seat that still owes an answer, for real, and the game goes on to its end.
namespace {

class Reprise : public ::testing::TestWithParam<const char*> {
protected:
    fs::path chemin = cheminTemporaire(std::string("reprise-") + GetParam());
    void TearDown() override { fs::remove(chemin); }
};

// The version line, the options and the four registrations.
constexpr std::size_t LIGNES_AVANT_LA_PREMIERE_DONNE = 6;

}  // namespace

TEST_P(Reprise, EveryPrefixOfAReferenceFileResumesAndIsPlayedToTheEnd) {
    const std::vector<std::string> lignes = lignesDuFichier(litFichier(fs::path(TRUMPWISE_FIXTURES_DIR) / GetParam()));
    ASSERT_GT(lignes.size(), LIGNES_AVANT_LA_PREMIERE_DONNE);
    std::string prefixe;
    for (std::size_t n = 1; n <= lignes.size(); ++n) {
        prefixe += lignes[n - 1] + "\r\n";
        if (n < LIGNES_AVANT_LA_PREMIERE_DONNE) continue;
        ecritFichier(chemin, prefixe);
        PartieDeQuatreHumains partie(static_cast<unsigned>(n));
        partie.plateforme.reponses = {false, false};  // no film; no new game at the end
        partie.table.commencePartie(Table::ChargeFichier, OptionsDePartie::Local, chemin.string());
        for (const auto& boite : partie.plateforme.boites) ASSERT_NE(boite.genre, "erreur") << n << ": " << boite.texte;
        for (int siege = 0; siege < 4; ++siege) partie.joueur(siege).panel().place(900, 700);
        partie.joueJusqua(EvenementDeJeu::Vide_Avant_NouvellePartie);
        ASSERT_EQ(partie.table.etatJeu(), EvenementDeJeu::Vide_Avant_NouvellePartie) << "prefix of " << n << " lines";
        // The record goes on from the loaded lines.
        ASSERT_EQ(partie.table.listeDesEvenements().enregistrement()[n - 1], lignes[n - 1]) << n;
    }
}

TEST_P(Reprise, APrefixWithoutTheFourRegistrationsIsRefusedAtItsLastLine) {
    const std::vector<std::string> lignes = lignesDuFichier(litFichier(fs::path(TRUMPWISE_FIXTURES_DIR) / GetParam()));
    std::string prefixe;
    for (std::size_t n = 1; n < LIGNES_AVANT_LA_PREMIERE_DONNE; ++n) {
        prefixe += lignes[n - 1] + "\r\n";
        ecritFichier(chemin, prefixe);
        PartieDeQuatreHumains partie;
        partie.table.commencePartie(Table::ChargeFichier, OptionsDePartie::Local, chemin.string());
        ASSERT_EQ(partie.plateforme.boites.size(), 1u) << n;
        EXPECT_EQ(partie.plateforme.boites[0].texte,
                  formate(3622, chemin.string()) + "\n" + ErreurDeFichier(n, 3609).what()) << n;
        EXPECT_EQ(partie.table.etatJeu(), EvenementDeJeu::Depart);
    }
}

INSTANTIATE_TEST_SUITE_P(References, Reprise, ::testing::Values("partie-standard.jss", "partie-concours.jss"),
                         [](const auto& info) {
                             return std::string(info.param).find("concours") != std::string::npos ? "Concours"
                                                                                                 : "Standard";
                         });
