#include "events/LectureDeFichier.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "platform/TableDesTextes.h"
#include "events/ErreurDeFichier.h"

namespace {

constexpr int ID_FICHIER_ILLISIBLE = 3601;
constexpr int ID_FICHIER_EST_UN_DOSSIER = 3611;
constexpr int ID_FICHIER_TROP_GRAND = 3612;
constexpr const char* MARQUE_UTF8 = "\xEF\xBB\xBF";

bool estBlanc(char c) { return c == ' ' || c == '\t'; }

std::string sansBlancsAutour(const std::string& ligne) {
    std::size_t debut = 0;
    std::size_t fin = ligne.size();
    while (debut < fin && estBlanc(ligne[debut])) ++debut;
    while (fin > debut && estBlanc(ligne[fin - 1])) --fin;
    return ligne.substr(debut, fin - debut);
}

}  // namespace

std::vector<LigneDeFichier> lignesDeFichierDePartie(const std::string& contenu) {
    std::vector<LigneDeFichier> lignes;
    const std::size_t debut = contenu.rfind(MARQUE_UTF8, 0) == 0 ? 3 : 0;
    std::size_t numero = 1;
    std::string ligne;
    const auto termineLigne = [&] {
        std::string texte = sansBlancsAutour(ligne);
        if (!texte.empty()) lignes.push_back({numero, std::move(texte)});
        ligne.clear();
        ++numero;
    };
    for (std::size_t i = debut; i < contenu.size(); ++i) {
        const char c = contenu[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < contenu.size() && contenu[i + 1] == '\n') ++i;
            termineLigne();
        } else {
            ligne += c;
        }
    }
    if (!ligne.empty()) termineLigne();
    return lignes;
}

std::vector<LigneDeFichier> litFichierDePartie(const std::string& nomFichier) {
    std::error_code erreur;
    if (std::filesystem::is_directory(nomFichier, erreur))
        throw ErreurDeFichier(ID_FICHIER_EST_UN_DOSSIER, formate(ID_FICHIER_EST_UN_DOSSIER, nomFichier));
    const std::uintmax_t taille = std::filesystem::file_size(nomFichier, erreur);
    if (erreur) throw ErreurDeFichier(ID_FICHIER_ILLISIBLE, formate(ID_FICHIER_ILLISIBLE, nomFichier));
    if (taille > TAILLE_MAXI_FICHIER_DE_PARTIE)
        throw ErreurDeFichier(ID_FICHIER_TROP_GRAND, formate(ID_FICHIER_TROP_GRAND, nomFichier));
    std::ifstream fichier(nomFichier, std::ios::binary);
    std::string contenu(std::istreambuf_iterator<char>(fichier), {});
    if (!fichier && !fichier.eof()) throw ErreurDeFichier(ID_FICHIER_ILLISIBLE, formate(ID_FICHIER_ILLISIBLE, nomFichier));
    return lignesDeFichierDePartie(contenu);
}
