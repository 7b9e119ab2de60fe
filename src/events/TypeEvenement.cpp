#include "events/TypeEvenement.h"

#include <array>

#include "platform/Assertion.h"

namespace {

constexpr int PREMIER_TYPE_RECONNU = 10;

const std::array<std::string, 23>& noms() {
    static const std::array<std::string, 23> lesNoms = {
        "v2.0", "v2.0", "v2.0", "v2.0", "v2.0", "v2.0", "v2.0", "v2.0", "v2.0", "v2.0",
        "RamasseTas_v3.1",
        "ChoisitAtout_v3.1",
        "AjouteCarte_v3.1",
        "Distribue_v3.1",
        "FinDePartie_v3.1",
        "EnregistrementSettingsPartie_v3.1",
        "Message_v3.1",
        "V3.0",
        "InscriptionTypeDePartie_v3.1",
        "InscriptionJoueur_v3.1",
        "v3.0",
        "ConfirmationAnnonce_v3.1",
        "Annonce_v3.1",
    };
    return lesNoms;
}

}  // namespace

const std::string& nomTypeEvenement(TypeEvenement type) {
    const auto indice = static_cast<std::size_t>(type);
    TW_ASSERT(indice < noms().size(), "EvenementDeJeu");
    return noms()[indice < noms().size() ? indice : 0];
}

std::optional<TypeEvenement> typeEvenementDuNom(std::string_view nom) {
    for (std::size_t indice = PREMIER_TYPE_RECONNU; indice < noms().size(); ++indice)
        if (noms()[indice] == nom) return static_cast<TypeEvenement>(indice);
    return std::nullopt;
}
