#include "net/MessageDeDecouverte.h"

#include <charconv>
#include <cstdio>

namespace decouverte {
namespace {

// Both shapes start with the program's tag and the exchange's version, so that other programs'
// datagrams on the same port are told apart at once.
const std::string REQUETE = "TRUMPWISE/1 ?";
const std::string PREFIXE_REPONSE = "TRUMPWISE/1 ! ";

template <class Entier>
bool litEntier(const std::string& texte, std::size_t& position, char fin, int base, Entier& valeur) {
    const std::size_t finChamp = texte.find(fin, position);
    if (finChamp == std::string::npos || finChamp == position) return false;
    const char* debut = texte.data() + position;
    const char* finTexte = texte.data() + finChamp;
    const auto [suite, erreur] = std::from_chars(debut, finTexte, valeur, base);
    if (erreur != std::errc() || suite != finTexte) return false;
    position = finChamp + 1;
    return true;
}

}  // namespace

std::string requete() { return REQUETE; }

bool estRequete(const std::string& datagramme) { return datagramme == REQUETE; }

std::string reponse(const Reponse& r) {
    char champs[40];
    std::snprintf(champs, sizeof champs, "%016llx %u\n", static_cast<unsigned long long>(r.instance),
                  static_cast<unsigned>(r.port));
    return PREFIXE_REPONSE + champs + r.nom.substr(0, LONGUEUR_NOM_MAXI);
}

std::optional<Reponse> litReponse(const std::string& datagramme) {
    if (datagramme.size() > LONGUEUR_DATAGRAMME_MAXI || datagramme.rfind(PREFIXE_REPONSE, 0) != 0) return std::nullopt;
    Reponse r;
    std::size_t position = PREFIXE_REPONSE.size();
    if (!litEntier(datagramme, position, ' ', 16, r.instance)) return std::nullopt;
    if (!litEntier(datagramme, position, '\n', 10, r.port) || r.port == 0) return std::nullopt;
    r.nom = datagramme.substr(position);
    if (r.nom.size() > LONGUEUR_NOM_MAXI) return std::nullopt;
    // A name is shown on one line of the list.
    for (char& c : r.nom)
        if (static_cast<unsigned char>(c) < 0x20) c = ' ';
    return r;
}

}  // namespace decouverte
