#include "rules/StatusCarteJouee.h"

#include "platform/TableDesTextes.h"

bool CarteEstAcceptee(StatusCarteJouee status) {
    return status >= StatusCarteJouee::CouleurDemandee && status <= StatusCarteJouee::BourConserve;
}

void ajouteExplication(StatusCarteJouee status, std::vector<std::string>& lignes) {
    switch (status) {
        case StatusCarteJouee::CouleurDemandee: lignes.push_back(texte(3075)); return;
        case StatusCarteJouee::CoupeLePli: lignes.push_back(texte(3076)); return;
        case StatusCarteJouee::NePeutPasServir: lignes.push_back(texte(3077)); return;
        case StatusCarteJouee::OuvreLePli: lignes.push_back(texte(3078)); return;
        case StatusCarteJouee::SousCoupeObligee: lignes.push_back(texte(3079)); return;
        case StatusCarteJouee::SurCoupe: lignes.push_back(texte(3080)); return;
        case StatusCarteJouee::BourConserve: lignes.push_back(texte(3081)); return;
        case StatusCarteJouee::RefuseeDoitServir:
        case StatusCarteJouee::RefuseeSousCoupe:
            lignes.push_back(texte(3072));
            lignes.push_back("");
            lignes.push_back(texte(status == StatusCarteJouee::RefuseeDoitServir ? 3073 : 3074));
            return;
        default: lignes.push_back(texte(1)); return;
    }
}
