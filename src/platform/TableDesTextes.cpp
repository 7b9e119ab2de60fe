#include "platform/TableDesTextes.h"

#include <fstream>
#include <sstream>

#include "platform/Exception.h"
#include "platform/Windows1252.h"

namespace {

std::string sansEchappements(const std::string& brut) {
    std::string sortie;
    for (std::size_t i = 0; i < brut.size(); ++i) {
        if (brut[i] != '\\' || i + 1 == brut.size()) {
            sortie += brut[i];
            continue;
        }
        const char suivant = brut[++i];
        sortie += suivant == 'r' ? '\r' : suivant == 'n' ? '\n' : suivant == 't' ? '\t' : suivant;
    }
    return sortie;
}

}  // namespace

void TableDesTextes::charge(const std::string& chemin) {
    std::ifstream fichier(chemin, std::ios::binary);
    if (!fichier) throw ErreurDeFormat("Cannot read the language file " + chemin);
    std::ostringstream contenu;
    contenu << fichier.rdbuf();
    chargeTexte(contenu.str());
}

void TableDesTextes::chargeTexte(const std::string& contenuUtf8) {
    std::map<int, std::string> textes;
    std::istringstream lignes(contenuUtf8);
    std::string ligne;
    int numero = 0;
    while (std::getline(lignes, ligne)) {
        ++numero;
        if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
        if (ligne.empty() || ligne[0] == '#') continue;
        const auto tab = ligne.find('\t');
        std::size_t fin = 0;
        int id = 0;
        try {
            id = std::stoi(ligne.substr(0, tab), &fin);
        } catch (const std::exception&) {
            fin = std::string::npos;
        }
        if (tab == std::string::npos || fin != tab)
            throw ErreurDeFormat("Language file line " + std::to_string(numero) + " is not \"number<TAB>text\"");
        textes[id] = depuisUtf8(sansEchappements(ligne.substr(tab + 1)));
    }
    textes_ = std::move(textes);
}

std::string TableDesTextes::texte(int id) const {
    const auto trouve = textes_.find(id);
    return trouve != textes_.end() ? trouve->second : std::string("?").append(std::to_string(id));
}

TableDesTextes& TableDesTextes::globale() {
    static TableDesTextes table;
    return table;
}

std::string texte(int id) { return TableDesTextes::globale().texte(id); }

std::string formateModele(const std::string& modele, const std::vector<std::string>& valeurs) {
    std::string sortie;
    std::size_t suivante = 0;
    for (std::size_t i = 0; i < modele.size(); ++i) {
        const char c = modele[i];
        const char apres = i + 1 < modele.size() ? modele[i + 1] : '\0';
        if (c == '%' && apres == '%') {
            sortie += '%';
            ++i;
        } else if (c == '%' && (apres == 's' || apres == 'u' || apres == 'd' || apres == 'i')) {
            if (suivante < valeurs.size()) sortie += valeurs[suivante];
            ++suivante;
            ++i;
        } else {
            sortie += c;
        }
    }
    return sortie;
}
