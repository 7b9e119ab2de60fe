#include "ui/cartes/StyleDessine.h"

namespace {

const QColor NOIR(0x1c, 0x1c, 0x1c);
const QColor ROUGE(0xc8, 0x14, 0x1e);
const std::array<QString, 9> RANGS_FRANCAIS = {"6", "7", "8", "9", "10", "V", "D", "R", "A"};
const std::array<QString, 9> RANGS_SUISSES = {"6", "7", "8", "9", "10", "U", "O", "K", "A"};

}  // namespace

const std::array<StyleDessine, 4>& stylesDessines() {
    static const std::array<StyleDessine, 4> styles = {{
        {"Fra", Enseignes::Francaises, {QColor(), NOIR, ROUGE, NOIR, ROUGE}, RANGS_FRANCAIS,
         QColor(0x9a, 0x1b, 0x24), QColor(0xc9, 0x4a, 0x50), QColor(0xe3, 0xc0, 0x6a)},
        {"Ger", Enseignes::SuisseAllemandes,
         {QColor(), QColor(0x2f, 0x68, 0x1c), QColor(0xa0, 0x66, 0x00), NOIR, ROUGE}, RANGS_SUISSES,
         QColor(0x1c, 0x4a, 0x7e), QColor(0x4b, 0x78, 0xaa), QColor(0xe3, 0xc0, 0x6a)},
        // The four-colour pack: no two suits share an ink, for players who tell suits by colour.
        {"Fun", Enseignes::Francaises,
         {QColor(), QColor(0x1e, 0x7a, 0x30), QColor(0x1f, 0x5f, 0xc0), NOIR, ROUGE}, RANGS_FRANCAIS,
         QColor(0x4a, 0x2a, 0x78), QColor(0x78, 0x58, 0xa8), QColor(0xe3, 0xc0, 0x6a)},
        {"XXX", Enseignes::SuisseAllemandes,
         {QColor(), QColor(0x2f, 0x68, 0x1c), QColor(0xa0, 0x66, 0x00), NOIR, ROUGE}, RANGS_SUISSES,
         QColor(0x1f, 0x5e, 0x3a), QColor(0x4c, 0x8a, 0x62), QColor(0xe3, 0xc0, 0x6a)},
    }};
    return styles;
}
