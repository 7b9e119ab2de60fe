#include "rules/StatusAtout.h"

#include "platform/Exception.h"
#include "format/SpacesSeparatedString.h"

void StatusAtout::load(const std::string& texte) {
    SpacesSeparatedString lecteur(texte);
    const bool chibre = lecteur.getInt() != 0;
    const bool choisi = lecteur.getInt() != 0;
    const std::int32_t mode = lecteur.getInt();
    const std::int32_t facteur = lecteur.getInt();
    if (mode < valeur(Atout::Invalide) || mode > valeur(Atout::ZigZag))
        throw ErreurDeFormat("Trump mode " + std::to_string(mode) + " does not exist");
    estChibre = chibre;
    estChoisi = choisi;
    atout = static_cast<Atout>(mode);
    multiplicateur = facteur;
}

std::string StatusAtout::save() const {
    SpacesSeparatedString ecrivain;
    ecrivain.addInt(estChibre ? 1 : 0);
    ecrivain.addInt(estChoisi ? 1 : 0);
    ecrivain.addInt(valeur(atout));
    ecrivain.addInt(multiplicateur);
    return ecrivain.toString();
}
