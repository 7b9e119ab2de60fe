#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

inline std::string litFichier(const std::filesystem::path& chemin) {
    std::ifstream fichier(chemin, std::ios::binary);
    std::ostringstream contenu;
    contenu << fichier.rdbuf();
    return contenu.str();
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
