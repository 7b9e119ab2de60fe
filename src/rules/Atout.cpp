#include "rules/Atout.h"

#include "platform/TableDesTextes.h"

namespace {

// Texts of the string table used here.
enum IdTexte {
    ID_STATUS_INVALIDE = 1,
    ID_AVANT_NOMS_DES_ATOUTS = 255,
};

}  // namespace

std::string nomAtout(int valeurAtout) {
    if (valeurAtout < 1 || valeurAtout > 7) return texte(ID_STATUS_INVALIDE);
    return texte(ID_AVANT_NOMS_DES_ATOUTS + valeurAtout);
}
