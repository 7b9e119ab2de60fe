#include "rules/StatusCarteJouee.h"

#include "platform/TableDesTextes.h"

namespace {

// Texts of the string table used here.
enum IdTexte {
    ID_STATUS_INVALIDE = 1,
    ID_CARTE_REFUSEE = 3072,
    ID_DOIT_SERVIR = 3073,
    ID_REFUS_AUTRE = 3074,
    ID_COULEUR_DEMANDEE = 3075,
    ID_COUPE_LE_PLI = 3076,
    ID_NE_PEUT_PAS_SERVIR = 3077,
    ID_OUVRE_LE_PLI = 3078,
    ID_SOUS_COUPE_OBLIGEE = 3079,
    ID_SUR_COUPE = 3080,
    ID_BOUR_CONSERVE = 3081,
};

}  // namespace

bool CarteEstAcceptee(StatusCarteJouee status) {
    return status >= StatusCarteJouee::CouleurDemandee && status <= StatusCarteJouee::BourConserve;
}

void ajouteExplication(StatusCarteJouee status, std::vector<std::string>& lignes) {
    switch (status) {
        case StatusCarteJouee::CouleurDemandee: lignes.push_back(texte(ID_COULEUR_DEMANDEE)); return;
        case StatusCarteJouee::CoupeLePli: lignes.push_back(texte(ID_COUPE_LE_PLI)); return;
        case StatusCarteJouee::NePeutPasServir: lignes.push_back(texte(ID_NE_PEUT_PAS_SERVIR)); return;
        case StatusCarteJouee::OuvreLePli: lignes.push_back(texte(ID_OUVRE_LE_PLI)); return;
        case StatusCarteJouee::SousCoupeObligee: lignes.push_back(texte(ID_SOUS_COUPE_OBLIGEE)); return;
        case StatusCarteJouee::SurCoupe: lignes.push_back(texte(ID_SUR_COUPE)); return;
        case StatusCarteJouee::BourConserve: lignes.push_back(texte(ID_BOUR_CONSERVE)); return;
        case StatusCarteJouee::RefuseeDoitServir:
        case StatusCarteJouee::RefuseeSousCoupe:
            lignes.push_back(texte(ID_CARTE_REFUSEE));
            lignes.push_back("");
            lignes.push_back(texte(status == StatusCarteJouee::RefuseeDoitServir ? ID_DOIT_SERVIR : ID_REFUS_AUTRE));
            return;
        default: lignes.push_back(texte(ID_STATUS_INVALIDE)); return;
    }
}
