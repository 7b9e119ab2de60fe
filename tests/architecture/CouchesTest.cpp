// The folders of src/ are the program's layers. Every file may include headers of its own layer
// and of the layers below it, never of a layer above: otherwise the next change can quietly tie
// the rules to the table or the table to a window.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// The layers from the bottom up: the core's libraries in the order the build links them, then the
// Qt adapters, the windows and the program.
std::vector<std::string> couches() {
    std::vector<std::string> resultat;
    std::stringstream liste(TRUMPWISE_COUCHES);
    for (std::string couche; std::getline(liste, couche, ',');) resultat.push_back(couche);
    for (const char* dessus : {"net/qt", "ui", "app"}) resultat.emplace_back(dessus);
    return resultat;
}

// The layer of a path relative to src/: the longest layer name that is a folder prefix of it.
int rangDe(const std::string& chemin, const std::vector<std::string>& ordre) {
    int rang = -1;
    std::size_t longueur = 0;
    for (std::size_t i = 0; i < ordre.size(); ++i) {
        const std::string prefixe = ordre[i] + "/";
        if (chemin.rfind(prefixe, 0) == 0 && prefixe.size() > longueur) {
            rang = static_cast<int>(i);
            longueur = prefixe.size();
        }
    }
    return rang;
}

struct Inclusion {
    std::string fichier;
    int ligne;
    std::string cible;
};

std::vector<Inclusion> inclusionsDuProjet(const fs::path& racine) {
    static const std::regex include(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
    std::vector<Inclusion> resultat;
    for (const auto& entree : fs::recursive_directory_iterator(racine)) {
        if (!entree.is_regular_file()) continue;
        const auto extension = entree.path().extension();
        if (extension != ".h" && extension != ".cpp") continue;
        std::ifstream flux(entree.path());
        std::string texte;
        for (int ligne = 1; std::getline(flux, texte); ++ligne) {
            std::smatch m;
            if (std::regex_search(texte, m, include))
                resultat.push_back({fs::relative(entree.path(), racine).generic_string(), ligne, m[1].str() + m[2].str()});
        }
    }
    return resultat;
}

}  // namespace

TEST(Couches, chaqueFichierEstDansUneCoucheConnue) {
    const auto ordre = couches();
    const fs::path racine = fs::path(TRUMPWISE_SOURCE_DIR) / "src";
    for (const auto& entree : fs::recursive_directory_iterator(racine)) {
        if (!entree.is_regular_file()) continue;
        const std::string chemin = fs::relative(entree.path(), racine).generic_string();
        EXPECT_GE(rangDe(chemin, ordre), 0) << chemin << " lies in no layer";
    }
}

TEST(Couches, chaqueInclusionPointeVersLeBas) {
    const auto ordre = couches();
    const auto inclusions = inclusionsDuProjet(fs::path(TRUMPWISE_SOURCE_DIR) / "src");
    ASSERT_GT(inclusions.size(), 100u);
    for (const auto& inclusion : inclusions) {
        if (inclusion.cible[0] != '"') continue;
        const int rangFichier = rangDe(inclusion.fichier, ordre);
        const int rangCible = rangDe(inclusion.cible.substr(1), ordre);
        EXPECT_GE(rangCible, 0) << inclusion.fichier << ":" << inclusion.ligne << " includes " << inclusion.cible
                                << ", which names no layer folder";
        EXPECT_LE(rangCible, rangFichier) << inclusion.fichier << ":" << inclusion.ligne << " includes "
                                          << inclusion.cible << " from a higher layer";
    }
}

TEST(Couches, leCoeurNInclutAucunEnTeteQt) {
    const auto ordre = couches();
    const int premiereCoucheQt = rangDe("net/qt/x", ordre);
    for (const auto& inclusion : inclusionsDuProjet(fs::path(TRUMPWISE_SOURCE_DIR) / "src")) {
        if (rangDe(inclusion.fichier, ordre) >= premiereCoucheQt) continue;
        EXPECT_NE(inclusion.cible.rfind("<Q", 0), 0u) << inclusion.fichier << ":" << inclusion.ligne << " includes "
                                                      << inclusion.cible << " in the core";
    }
}

// The check itself must see an upward include: a file of the rules including the table.
TEST(Couches, uneInclusionVersLeHautEstVue) {
    const auto ordre = couches();
    EXPECT_GT(rangDe("table/Table.h", ordre), rangDe("rules/Partie.cpp", ordre));
    EXPECT_GT(rangDe("net/qt/LienTcp.h", ordre), rangDe("net/Serveur.h", ordre));
    EXPECT_EQ(rangDe("inconnu/X.h", ordre), -1);
}
