#pragma once

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
