#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The kind of a game event. Only its text name travels in files and messages; the numeric value
// never leaves the program. Values 0 to 9, 17 and 20 are names of older versions: nothing creates
// them, and only 17 and 20 are still recognised when reading, so that the table can refuse them.
enum class TypeEvenement : std::uint8_t {
    RamasseTas = 10,
    ChoisitAtout = 11,
    AjouteCarte = 12,
    Distribue = 13,
    FinDePartie = 14,
    EnregistrementSettingsPartie = 15,
    Message = 16,
    Reserve17 = 17,
    InscriptionTypeDePartie = 18,
    InscriptionJoueur = 19,
    Reserve20 = 20,
    ConfirmationAnnonce = 21,
    Annonce = 22,
};

// "AjouteCarte_v3.1" ...; "v2.0" for the values 0 to 9.
const std::string& nomTypeEvenement(TypeEvenement type);

// The kind whose text name is exactly this one, among the values 10 to 22; nothing otherwise.
std::optional<TypeEvenement> typeEvenementDuNom(std::string_view nom);
