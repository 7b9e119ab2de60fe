#include "rules/Atout.h"

#include "platform/TableDesTextes.h"

std::string nomAtout(int valeurAtout) {
    if (valeurAtout < 1 || valeurAtout > 7) return texte(1);
    return texte(255 + valeurAtout);
}
