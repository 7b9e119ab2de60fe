#include "rules/Carte.h"

#include <utility>

#include "platform/TableDesTextes.h"

template <std::size_t... I>
constexpr std::array<Carte, 36> fabriqueLesCartes(std::index_sequence<I...>) {
    return {Carte(I)...};
}

namespace {
constexpr std::array<Carte, 36> lesCartes = fabriqueLesCartes(std::make_index_sequence<36>());
}

const Carte& Carte::parTag(unsigned tag) { return lesCartes[tag]; }

std::string nomCouleur(int couleur) {
    constexpr int ids[5] = {1, 531, 530, 529, 528};
    return texte(couleur >= 1 && couleur <= 4 ? ids[couleur] : 1);
}

std::string nomPosition(int position) {
    if (position < Carte::Six || position > Carte::As) return texte(1);
    return texte(position == Carte::As ? 519 : 514 + position);
}

std::string Carte::getNom() const { return formate(532, nomPosition(position_), nomCouleur(couleur_)); }

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
    return formate(1283, getNom(), getPoints(atout)) + texte(couleur_ == valeur(atout) ? 1284 : 1285) +
           formate(1286, getForce(atout));
}
