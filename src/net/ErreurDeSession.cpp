#include "net/ErreurDeSession.h"

#include <cstdio>

#include "platform/Plateforme.h"
#include "platform/TableDesTextes.h"

namespace erreurDeSession {

std::string texte(Texte quoi, unsigned code) {
    const std::string message = ::texte(quoi);
    if (code == 0) return message;
    char hexa[16];
    std::snprintf(hexa, sizeof hexa, "%X", code);
    return formate(AVEC_CODE, message, std::string(hexa));
}

void signale(Texte quoi, unsigned code) { Plateforme::courante().information(texte(quoi, code), ::texte(TITRE)); }

}  // namespace erreurDeSession
