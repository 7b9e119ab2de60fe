#include "rules/Carte.h"

#include <utility>

#include "platform/TableDesTextes.h"

namespace {

// Texts of the string table used here.
enum IdTexte {
    ID_STATUS_INVALIDE = 1,
    ID_AVANT_NOMS_DES_RANGS = 514,
    ID_AS = 519,
    ID_COEUR = 528,
    ID_PIQUE = 529,
    ID_CARREAU = 530,
    ID_TREFLE = 531,
    ID_CARTE_DE_COULEUR = 532,
    ID_CARTE_VAUT = 1283,
    ID_EST_ATOUT = 1284,
    ID_N_EST_PAS_ATOUT = 1285,
    ID_FORCE_DE_LA_CARTE = 1286,
};

}  // namespace

template <std::size_t... I>
constexpr std::array<Carte, 36> fabriqueLesCartes(std::index_sequence<I...>) {
    return {Carte(I)...};
}

namespace {
constexpr std::array<Carte, 36> lesCartes = fabriqueLesCartes(std::make_index_sequence<36>());
}

const Carte& Carte::parTag(unsigned tag) { return lesCartes[tag]; }

std::string nomCouleur(int couleur) {
    constexpr int ids[5] = {ID_STATUS_INVALIDE, ID_TREFLE, ID_CARREAU, ID_PIQUE, ID_COEUR};
    return texte(couleur >= 1 && couleur <= 4 ? ids[couleur] : ID_STATUS_INVALIDE);
}

std::string nomPosition(int position) {
    if (position < Carte::Six || position > Carte::As) return texte(ID_STATUS_INVALIDE);
    return texte(position == Carte::As ? ID_AS : ID_AVANT_NOMS_DES_RANGS + position);
}

std::string Carte::getNom() const { return formate(ID_CARTE_DE_COULEUR, nomPosition(position_), nomCouleur(couleur_)); }

std::string Carte::getIdentifiant() const {
    return std::to_string(int(couleur_)) + "_" + std::to_string(int(position_));
}

int Carte::valeurPourChoixAtout(Atout atout) const {
    TW_ASSERT(atout != Atout::Invalide, "Carte");
    switch (atout) {
        case Atout::Invalide:
            return 0;
        case Atout::HautEnBas:
            return position_ == As ? 4 : position_ == Roi ? 2 : 1;
        case Atout::BasEnHaut:
            return position_ == Six ? 4 : position_ == Sept ? 2 : 1;
        case Atout::ZigZag:
            return position_ == Six || position_ == As ? 4 : 1;
        default:
            if (couleur_ != valeur(atout)) return 0;
            return position_ == Valet ? 4 : position_ == Neuf ? 2 : 1;
    }
}

std::string Carte::texteInformation(Atout atout) const {
    return formate(ID_CARTE_VAUT, getNom(), getPoints(atout)) + texte(couleur_ == valeur(atout) ? ID_EST_ATOUT : ID_N_EST_PAS_ATOUT) +
           formate(ID_FORCE_DE_LA_CARTE, getForce(atout));
}
