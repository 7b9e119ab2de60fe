#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

inline std::string litFichier(const std::filesystem::path& chemin) {
    std::ifstream fichier(chemin, std::ios::binary);
    std::ostringstream contenu;
    contenu << fichier.rdbuf();
    return contenu.str();
}

// The lines of a game file's text, as the program writes them (CR LF after every line).
inline std::vector<std::string> lignesDuFichier(const std::string& contenu) {
    std::vector<std::string> lignes;
    for (std::size_t debut = 0; debut < contenu.size();) {
        const std::size_t fin = contenu.find("\r\n", debut);
        lignes.push_back(contenu.substr(debut, fin - debut));
        debut = fin + 2;
    }
    return lignes;
}

inline void ecritFichier(const std::filesystem::path& chemin, const std::string& contenu) {
    std::ofstream(chemin, std::ios::binary) << contenu;
}

// A path of the temporary folder for one test, unique to this process: test runs of several
// checkouts may share the machine.
inline std::filesystem::path cheminTemporaire(const std::string& nom) {
    return std::filesystem::temp_directory_path() / ("trumpwise-" + std::to_string(::getpid()) + "-" + nom);
}

// The temporary folder of the running test.
inline std::filesystem::path dossierDuTest() {
    return cheminTemporaire(::testing::UnitTest::GetInstance()->current_test_info()->name());
}
