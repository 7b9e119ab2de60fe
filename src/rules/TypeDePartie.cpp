#include "rules/TypeDePartie.h"

#include "platform/Assertion.h"
#include "platform/TableDesTextes.h"

std::string TypeDePartie::getNom() const { return texte(idNom_); }

std::int32_t TypeDePartie::getMultiplicateur(Atout atout) const {
    const auto index = static_cast<std::size_t>(valeur(atout));
    return index < multiplicateurs_.size() ? multiplicateurs_[index] : 0;
}

std::string TypeDePartie::getRemarque() const { return idRemarque_ < 0 ? std::string() : texte(idRemarque_); }

std::string TypeDePartie::getDescription() const {
    std::string description = getNom() + " (";
    int nbAtoutCheck = 0;
    for (int mode = valeur(Atout::Trefle); mode <= valeur(Atout::ZigZag); ++mode) {
        const std::int32_t multiplicateur = multiplicateurs_[static_cast<std::size_t>(mode)];
        if (multiplicateur == 0) continue;
        if (nbAtoutCheck > 0) description += ", ";
        description += nomAtout(mode) + " x" + std::to_string(multiplicateur);
        ++nbAtoutCheck;
    }
    TW_ASSERT(nbAtoutCheck == nbAtoutsPossibles_, "TypeDePartie");
    return description + ")";
}
