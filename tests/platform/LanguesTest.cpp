#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "platform/TableDesTextes.h"
#include "support/Fichiers.h"

namespace {

// The raw lines of a language file, by id, escapes left as written.
std::map<int, std::string> lignesDe(const std::string& langue) {
    std::map<int, std::string> lignes;
    std::istringstream contenu(litFichier(std::string(TRUMPWISE_LANG_DIR) + "/" + langue + ".txt"));
    std::string ligne;
    while (std::getline(contenu, ligne)) {
        if (ligne.empty() || ligne[0] == '#') continue;
        const auto tab = ligne.find('\t');
        lignes[std::stoi(ligne.substr(0, tab))] = ligne.substr(tab + 1);
    }
    return lignes;
}

// The placeholders that the formatting fills, in order: the texts receive their values by
// position.
std::string placeholders(const std::string& texte) {
    std::string trouves;
    for (std::size_t i = 0; i + 1 < texte.size(); ++i) {
        if (texte[i] != '%') continue;
        if (texte[i + 1] != '%') trouves += std::string("%") + texte[i + 1];
        ++i;
    }
    return trouves;
}

bool commenceParUnBlanc(const std::string& texte) { return !texte.empty() && texte.front() == ' '; }
bool finitParUnBlanc(const std::string& texte) { return !texte.empty() && texte.back() == ' '; }

class Langues : public ::testing::TestWithParam<const char*> {};

}  // namespace

// Every text the program asks for must exist in each language, take its values in the same
// order, and keep the blanks by which it is joined to other texts ("Pierre" + " (vous)").
TEST_P(Langues, HaveTheFrenchIdsPlaceholdersAndOuterBlanks) {
    const std::map<int, std::string> francais = lignesDe("fra");
    const std::map<int, std::string> traduction = lignesDe(GetParam());
    ASSERT_GT(francais.size(), 100u);

    std::vector<int> manquants, enTrop;
    for (const auto& [id, texte] : francais) {
        const auto trouve = traduction.find(id);
        if (trouve == traduction.end()) {
            manquants.push_back(id);
            continue;
        }
        EXPECT_EQ(placeholders(trouve->second), placeholders(texte)) << id;
        EXPECT_EQ(commenceParUnBlanc(trouve->second), commenceParUnBlanc(texte)) << id;
        EXPECT_EQ(finitParUnBlanc(trouve->second), finitParUnBlanc(texte)) << id;
    }
    for (const auto& [id, texte] : traduction)
        if (francais.count(id) == 0) enTrop.push_back(id);
    EXPECT_TRUE(manquants.empty()) << "missing: " << ::testing::PrintToString(manquants);
    EXPECT_TRUE(enTrop.empty()) << "not in French: " << ::testing::PrintToString(enTrop);

    TableDesTextes table;
    EXPECT_NO_THROW(table.charge(std::string(TRUMPWISE_LANG_DIR) + "/" + GetParam() + ".txt"));
}

INSTANTIATE_TEST_SUITE_P(AllerEtRetour, Langues, ::testing::Values("deu", "enu"));

TEST(Langues, NameThemselvesAndTheirSuits) {
    const std::map<std::string, std::vector<std::string>> attendus = {
        {"fra", {"FRA", "Trefle", "De haut en bas"}},
        {"deu", {"GER", "Eicheln", "Obenabe"}},
        {"enu", {"ENU", "Clubs", "Top down"}},
    };
    for (const auto& [langue, textes] : attendus) {
        const std::map<int, std::string> lignes = lignesDe(langue);
        EXPECT_EQ(lignes.at(5), textes[0]) << langue;
        EXPECT_EQ(lignes.at(256), textes[1]) << langue;
        EXPECT_EQ(lignes.at(260), textes[2]) << langue;
    }
}
