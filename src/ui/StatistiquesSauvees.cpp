#include "ui/StatistiquesSauvees.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "events/Statistiques.h"
#include "platform/EcritureSure.h"

namespace {

// A record of four integers takes a few dozen bytes: anything much longer is not one.
constexpr std::uintmax_t TAILLE_MAX = 4096;

}  // namespace

bool StatistiquesSauvees::charge(Statistiques& statistiques) {
    statistiques = Statistiques();
    if (fichier_.empty()) return true;
    std::error_code erreur;
    if (!std::filesystem::exists(fichier_, erreur)) return true;
    bool intact = std::filesystem::is_regular_file(fichier_, erreur) && std::filesystem::file_size(fichier_, erreur) <= TAILLE_MAX;
    std::string texte;
    if (intact) {
        std::ifstream flux(fichier_, std::ios::binary);
        texte.assign(std::istreambuf_iterator<char>(flux), std::istreambuf_iterator<char>());
        intact = static_cast<bool>(flux) || flux.eof();
    }
    if (intact) {
        try {
            intact = statistiques.charge(texte);
        } catch (const std::exception&) {
            intact = false;
        }
    }
    if (intact) {
        texteEcrit_ = texte;
        return true;
    }
    statistiques = Statistiques();
    std::filesystem::rename(fichier_, fichierEndommage(), erreur);
    return false;
}

bool StatistiquesSauvees::sauveSiChangees(const Statistiques& statistiques) {
    if (fichier_.empty()) return false;
    const std::string texte = statistiques.texte();
    if (texte == texteEcrit_) return true;
    try {
        ecritFichierSurement(fichier_, texte);
    } catch (const ErreurDEcriture&) {
        return false;
    }
    texteEcrit_ = texte;
    return true;
}
