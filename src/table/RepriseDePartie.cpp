#include "table/RepriseDePartie.h"

#include <filesystem>
#include <system_error>

#include "platform/Plateforme.h"
#include "platform/TableDesTextes.h"
#include "table/Table.h"

namespace {

// Texts of the string table used here.
enum IdTexte {
    ID_REPRENDRE_LA_PARTIE = 3619,
    ID_TITRE_PARTIE_INTERROMPUE = 3620,
};

void oublie(const std::string& fichierDeReprise) {
    std::error_code sansFichier;
    std::filesystem::remove(fichierDeReprise, sansFichier);
}

}  // namespace

bool offreDeReprendre(Table& table, const std::string& fichierDeReprise) {
    std::error_code erreur;
    if (fichierDeReprise.empty() || !std::filesystem::exists(fichierDeReprise, erreur)) return false;
    if (!Plateforme::courante().question(texte(ID_REPRENDRE_LA_PARTIE), texte(ID_TITRE_PARTIE_INTERROMPUE))) {
        oublie(fichierDeReprise);
        return false;
    }
    table.commencePartie(Table::ChargeFichier, OptionsDePartie::Local, fichierDeReprise);
    const bool reprise = table.etatJeu() != EvenementDeJeu::Depart;
    if (!reprise) oublie(fichierDeReprise);
    return reprise;
}
