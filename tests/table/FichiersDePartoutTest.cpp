#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "ai/AI_Joueur.h"
#include "events/ErreurDeFichier.h"
#include "events/SettingsPartie.h"
#include "platform/TableDesTextes.h"
#include "players/FabriqueDeJoueurs.h"
#include "rules/KnuthRandom.h"
#include "support/Fichiers.h"
#include "support/PartieDeQuatreHumains.h"

namespace fs = std::filesystem;

// Game files travel: mailed, kept for years, edited by hand, written by other computers. Each one
// either loads and plays on, or is refused with one message that says on which line and why,
// the table left without a game and the file untouched.
namespace {

std::string joint(const std::vector<std::string>& lignes, const std::string& finDeLigne = "\r\n") {
    std::string contenu;
    for (const std::string& ligne : lignes) contenu += ligne + finDeLigne;
    return contenu;
}

std::vector<std::string> reference(const char* nom) {
    return lignesDuFichier(litFichier(fs::path(TRUMPWISE_FIXTURES_DIR) / nom));
}

// The indexes (0 = version line) of the lines whose event is of a kind.
std::vector<std::size_t> lignesDuType(const std::vector<std::string>& lignes, TypeEvenement type) {
    std::vector<std::size_t> trouvees;
    for (std::size_t i = 1; i < lignes.size(); ++i)
        if (EvenementDeJeu(lignes[i]).getType() == type) trouvees.push_back(i);
    return trouvees;
}

std::string avecSettings(const std::string& ligne, const std::function<void(SettingsPartie&)>& change) {
    const EvenementDeJeu evenement(ligne);
    SettingsPartie settings;
    settings.load(evenement.getDonnees());
    change(settings);
    return EvenementDeJeu(evenement.getType(), settings.save(), evenement.getIntervenant(), evenement.getNoEvenement())
        .save();
}

std::string avecDonnees(const std::string& ligne, const std::string& donnees) {
    const EvenementDeJeu evenement(ligne);
    return EvenementDeJeu(evenement.getType(), donnees, evenement.getIntervenant(), evenement.getNoEvenement()).save();
}

class FichiersDePartout : public ::testing::Test {
protected:
    fs::path dossier = dossierDuTest();
    void SetUp() override { fs::create_directories(dossier); }
    void TearDown() override { fs::remove_all(dossier); }

    // Loads the file (quickly, no new game at the end); returns the error shown, or empty.
    std::string charge(PartieDeQuatreHumains& partie, const fs::path& chemin) {
        partie.plateforme.reponses = {false, false};
        partie.table.commencePartie(Table::ChargeFichier, OptionsDePartie::Local, chemin.string());
        for (const auto& boite : partie.plateforme.boites)
            if (boite.genre == "erreur") return boite.texte;
        for (int siege = 0; siege < 4; ++siege) partie.joueur(siege).panel().place(900, 700);
        return {};
    }
};

}  // namespace

TEST_F(FichiersDePartout, ImpossibleFilesAreRefusedOnTheirFirstBadLine) {
    const std::vector<std::string> standard = reference("partie-standard.jss");
    const std::vector<std::string> concours = reference("partie-concours.jss");
    const std::vector<std::size_t> settings = lignesDuType(standard, TypeEvenement::EnregistrementSettingsPartie);
    const std::vector<std::size_t> cartes = lignesDuType(standard, TypeEvenement::AjouteCarte);
    ASSERT_GE(settings.size(), 3u);
    const std::size_t deuxiemeCarte = cartes[1];
    const std::size_t deuxiemesSettings = settings[1];
    const std::size_t premiersSettingsConcours = lignesDuType(concours, TypeEvenement::EnregistrementSettingsPartie)[0];

    struct Cas {
        const char* nom;
        std::vector<std::string> lignes;
        std::size_t ligneFautive;  // index, 0 = version line
        int raison;
    };
    std::vector<Cas> cas;
    const auto ajoute = [&](const char* nom, std::vector<std::string> lignes, std::size_t ligne, int raison) {
        cas.push_back({nom, std::move(lignes), ligne, raison});
    };
    {
        // The same card played twice in the first deal, long before the last one.
        auto lignes = standard;
        lignes[deuxiemeCarte] = avecDonnees(lignes[deuxiemeCarte], EvenementDeJeu(lignes[cartes[0]]).getDonnees());
        ajoute("carteDejaJouee", lignes, deuxiemeCarte, 3607);
    }
    {
        auto lignes = standard;
        lignes[deuxiemesSettings] = avecSettings(lignes[deuxiemesSettings], [](SettingsPartie& s) { s.totalEq1 += 100; });
        ajoute("totauxSansSuite", lignes, deuxiemesSettings, 3610);
    }
    {
        auto lignes = standard;
        lignes.insert(lignes.begin() + static_cast<long>(settings.back()) + 1, lignes[2]);
        ajoute("inscriptionApresLaDerniereDonne", lignes, settings.back() + 1, 3607);
    }
    {
        auto lignes = standard;
        lignes[settings[0]] = avecSettings(lignes[settings[0]], [](SettingsPartie& s) { s.totalEq1 = 3000; });
        lignes[settings[0]].replace(lignes[settings[0]].find("3000"), 4, "2147483647");
        ajoute("totalAuxLimites", lignes, settings[0], 3606);
    }
    {
        auto lignes = standard;
        lignes[settings[0]] = avecSettings(lignes[settings[0]], [](SettingsPartie& s) { s.compteurDonnes = 99999; });
        lignes[settings[0]].replace(lignes[settings[0]].find("99999"), 5, "2147483647");
        ajoute("compteurAuxLimites", lignes, settings[0], 3606);
    }
    {
        auto lignes = concours;
        lignes[premiersSettingsConcours] =
            avecSettings(lignes[premiersSettingsConcours], [](SettingsPartie& s) { s.estConcours = false; });
        ajoute("concoursAvecSettingsStandard", lignes, premiersSettingsConcours, 3610);
    }
    {
        auto lignes = concours;
        const std::string& ligne = lignes[premiersSettingsConcours];
        const std::string initial = SettingsPartie([&] {
                                        SettingsPartie s;
                                        s.load(EvenementDeJeu(ligne).getDonnees());
                                        return s;
                                    }()).etatRandomInitial;
        std::string sansInitial = EvenementDeJeu(ligne).getDonnees();
        sansInitial.replace(sansInitial.rfind(initial), initial.size(), "");
        lignes[premiersSettingsConcours] = avecDonnees(ligne, sansInitial);
        ajoute("concoursSansGenerateurInitial", lignes, premiersSettingsConcours, 3605);
    }
    {
        // The end acknowledged and a chat line: never in a file, the table would wait for nothing.
        auto lignes = standard;
        for (const char* fin : {"{FinDePartie_v3.1|Ok|0|94|}", "{FinDePartie_v3.1|Ok|2|95|}",
                                "{FinDePartie_v3.1|Ok|1|96|}", "{FinDePartie_v3.1|Ok|3|97|}",
                                "{Message_v3.1|salut|0|99|}"}) {
            std::string ligne = fin;
            for (char& c : ligne)
                if (c == '|') c = '\xA6';
            lignes.push_back(ligne);
        }
        ajoute("finEtMessage", lignes, standard.size(), 3608);
    }
    {
        auto lignes = standard;
        lignes[3] = avecDonnees(lignes[3], "{1\xA6" "1\xA6" "Bernard\xA6" "1\xA6" "0\xA6" "9\xA6" "2\xA6" "0\xA6}");
        ajoute("raceInconnue", lignes, 3, 3606);
    }

    for (const Cas& k : cas) {
        SCOPED_TRACE(k.nom);
        const fs::path chemin = dossier / (std::string(k.nom) + ".jss");
        const std::string contenu = joint(k.lignes);
        ecritFichier(chemin, contenu);
        PartieDeQuatreHumains partie;
        const ErreurDeFichier attendue(k.ligneFautive + 1, k.raison);
        EXPECT_EQ(charge(partie, chemin), formate(3622, chemin.string()) + "\n" + attendue.what());
        EXPECT_EQ(partie.table.etatJeu(), EvenementDeJeu::Depart);
        EXPECT_FALSE(partie.table.getJoueur(0));
        EXPECT_EQ(litFichier(chemin), contenu);
    }
}

TEST_F(FichiersDePartout, FoldersAndHugeFilesAreNamedForWhatTheyAre) {
    PartieDeQuatreHumains dansUnDossier;
    EXPECT_EQ(charge(dansUnDossier, dossier),
              formate(3622, dossier.string()) + "\n'" + dossier.string() + "' est un dossier et non un fichier de partie.");
    const fs::path enorme = dossier / "enorme.jss";
    ecritFichier(enorme, "3\r\n");
    fs::resize_file(enorme, TAILLE_MAXI_FICHIER_DE_PARTIE + 1);
    PartieDeQuatreHumains trop;
    EXPECT_EQ(charge(trop, enorme),
              formate(3622, enorme.string()) + "\nLe fichier '" + enorme.string() +
                  "' est trop grand pour \xEAtre un fichier de partie.");
    EXPECT_EQ(trop.table.etatJeu(), EvenementDeJeu::Depart);
}

// Line ends of other systems, a byte-order mark, blanks and empty lines left by an editor.
TEST_F(FichiersDePartout, FilesEditedElsewhereLoadAsTheyWereWritten) {
    const std::vector<std::string> lignes = reference("partie-concours.jss");
    std::vector<std::string> avecBlancs = lignes;
    avecBlancs[0] = "3 ";
    avecBlancs[5] = "\t" + avecBlancs[5] + "  ";
    avecBlancs.insert(avecBlancs.begin() + 9, "");
    const std::pair<const char*, std::string> variantes[] = {
        {"cr", joint(lignes, "\r")},
        {"lf", joint(lignes, "\n")},
        {"bom", "\xEF\xBB\xBF" + joint(lignes)},
        {"blancs", joint(avecBlancs) + "\r\n"},
    };
    for (const auto& [nom, contenu] : variantes) {
        SCOPED_TRACE(nom);
        const fs::path chemin = dossier / (std::string(nom) + ".jss");
        ecritFichier(chemin, contenu);
        PartieDeQuatreHumains partie;
        EXPECT_EQ(charge(partie, chemin), "");
        EXPECT_EQ(partie.table.etatJeu(), EvenementDeJeu::AttendFinDePartie1);
        EXPECT_EQ(partie.table.listeDesEvenements().enregistrement(), lignes);
    }
}

// A host saves its game with the records of the remote seats; at this computer alone nobody
// plays them, so computer players take them and the game goes on.
TEST_F(FichiersDePartout, AGameOfANetworkHostGoesOnWithComputerPlayersInTheRemoteSeats) {
    std::vector<std::string> lignes = reference("partie-standard.jss");
    lignes.resize(120);
    lignes[3] = avecDonnees(lignes[3], OptionsDuJoueur("Bernard", true, 1, true, OptionsDuJoueur::Humain, 0).save());
    lignes[5] = avecDonnees(lignes[5], OptionsDuJoueur("Daniel", true, 1, true, OptionsDuJoueur::Humain, 0).save());
    const fs::path chemin = dossier / "hote.jss";
    ecritFichier(chemin, joint(lignes));
    const FabriqueJoueur precedente = fabriquePour(OptionsDuJoueur::AI);
    enregistreFabrique(OptionsDuJoueur::AI, creeAIJoueur);
    struct Remet {
        FabriqueJoueur fabrique;
        ~Remet() { enregistreFabrique(OptionsDuJoueur::AI, fabrique); }
    } remet{precedente};
    PartieDeQuatreHumains partie;
    ASSERT_EQ(charge(partie, chemin), "");
    EXPECT_TRUE(partie.joueur(1).estLocal() && partie.joueur(3).estLocal());
    EXPECT_EQ(partie.joueur(1).options().getRace(), OptionsDuJoueur::AI);
    EXPECT_EQ(partie.joueur(1).nom(), "Bernard");
    for (int garde = 0; garde < 2000000 && partie.table.etatJeu() != EvenementDeJeu::Vide_Avant_NouvellePartie;
         ++garde)
        if (!partie.agit()) partie.plateforme.avance(1);
    EXPECT_EQ(partie.table.etatJeu(), EvenementDeJeu::Vide_Avant_NouvellePartie);
}

// Every value at the end of its range: the deal cycle goes on without overflow (the tests also
// run under UndefinedBehaviorSanitizer), and what the program then writes it reads again.
TEST_F(FichiersDePartout, SettingsAtTheLimitsOfTheirRangesPlayOnAndAreWrittenReadably) {
    const std::vector<std::string> lignes = reference("partie-standard.jss");
    const std::size_t premiersSettings = lignesDuType(lignes, TypeEvenement::EnregistrementSettingsPartie)[0];
    const auto extremes = [](std::int32_t total) {
        return [total](SettingsPartie& s) {
            KnuthRandom generateur(true);
            generateur.load(std::string("{") + std::to_string(KnuthRandom::MAX_SIZE) + "\xA6" + "-2147483648\xA6" +
                            std::to_string(KnuthRandom::NB_DONNES_MAX) + "\xA6}");
            s.etatRandom = generateur.save();
            s.totalEq1 = total;
            s.totalEq2 = total;
            s.compteurDonnes = SettingsPartie::COMPTEUR_DONNES_MAX;
        };
    };
    for (const std::int32_t total : {0, SettingsPartie::TOTAL_MAX}) {
        SCOPED_TRACE(total);
        std::vector<std::string> debut(lignes.begin(), lignes.begin() + static_cast<long>(premiersSettings) + 1);
        debut.back() = avecSettings(debut.back(), extremes(total));
        const fs::path chemin = dossier / "limites.jss";
        ecritFichier(chemin, joint(debut));
        PartieDeQuatreHumains partie;
        ASSERT_EQ(charge(partie, chemin), "");
        partie.joueJusqua(total == 0 ? EvenementDeJeu::Tour1_AttendCarte1 : EvenementDeJeu::Vide_Avant_NouvellePartie);
        if (total == 0) {
            // One whole deal, so that the next settings are written with the counts at their ends.
            while (partie.table.listeDesEvenements().enregistrement().size() < 80 + debut.size()) partie.agit();
            partie.joueJusqua(EvenementDeJeu::AttendDistribue1);
            EXPECT_EQ(partie.table.compteurDonnes(), SettingsPartie::COMPTEUR_DONNES_MAX);
        } else {
            EXPECT_EQ(partie.table.etatJeu(), EvenementDeJeu::Vide_Avant_NouvellePartie);
        }
        const fs::path ecrit = dossier / "ecrit.jss";
        partie.table.sauve(ecrit.string());
        PartieDeQuatreHumains relue;
        EXPECT_EQ(charge(relue, ecrit), "");
        EXPECT_EQ(relue.table.listeDesEvenements().enregistrement(), partie.table.listeDesEvenements().enregistrement());
    }
}
