#include "net/LancementDeSession.h"

#include <algorithm>
#include <charconv>
#include <map>

#include "net/MessageDeDecouverte.h"

namespace {

const std::string SCHEMA_LIEN = "trumpwise:";

std::string sansBlancsAutour(const std::string& texte) {
    const auto debut = texte.find_first_not_of(" \t\r");
    if (debut == std::string::npos) return {};
    return texte.substr(debut, texte.find_last_not_of(" \t\r") - debut + 1);
}

int valeurHexa(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// "%20" and the like; a broken escape makes the whole link unreadable.
std::optional<std::string> decodePourcents(const std::string& texte) {
    std::string resultat;
    for (std::size_t i = 0; i < texte.size(); ++i) {
        if (texte[i] != '%') {
            resultat += texte[i] == '+' ? ' ' : texte[i];
            continue;
        }
        if (i + 2 >= texte.size()) return std::nullopt;
        const int fort = valeurHexa(texte[i + 1]);
        const int faible = valeurHexa(texte[i + 2]);
        if (fort < 0 || faible < 0) return std::nullopt;
        resultat += static_cast<char>(fort * 16 + faible);
        i += 2;
    }
    return resultat;
}

using Champs = std::map<std::string, std::string>;

std::optional<Champs> champsDuFichier(const std::string& texte) {
    Champs champs;
    std::size_t debut = 0;
    while (debut <= texte.size()) {
        const std::size_t fin = std::min(texte.find('\n', debut), texte.size());
        const std::string ligne = sansBlancsAutour(texte.substr(debut, fin - debut));
        debut = fin + 1;
        if (ligne.empty() || ligne[0] == '#') continue;
        const std::size_t egal = ligne.find('=');
        if (egal == std::string::npos) return std::nullopt;
        champs[sansBlancsAutour(ligne.substr(0, egal))] = sansBlancsAutour(ligne.substr(egal + 1));
    }
    return champs;
}

std::optional<Champs> champsDuLien(const std::string& lien) {
    std::string reste = lien.substr(SCHEMA_LIEN.size());
    while (reste.rfind("/", 0) == 0) reste.erase(0, 1);
    const std::size_t question = reste.find('?');
    Champs champs{{"mode", reste.substr(0, question)}};
    if (question == std::string::npos) return champs;
    const std::string requete = reste.substr(question + 1);
    std::size_t debut = 0;
    while (debut <= requete.size()) {
        const std::size_t fin = std::min(requete.find('&', debut), requete.size());
        const std::string paire = requete.substr(debut, fin - debut);
        debut = fin + 1;
        if (paire.empty()) continue;
        const std::size_t egal = paire.find('=');
        if (egal == std::string::npos) return std::nullopt;
        const auto valeur = decodePourcents(paire.substr(egal + 1));
        if (!valeur) return std::nullopt;
        champs[paire.substr(0, egal)] = *valeur;
    }
    return champs;
}

// "host", "host:port" or ":port"; a port, when given, is a number from 1 to 65535.
bool litAdresse(const std::string& adresse, std::string& hote, std::uint16_t& port) {
    const std::size_t deuxPoints = adresse.rfind(':');
    hote = adresse.substr(0, deuxPoints);
    port = decouverte::PORT;
    if (deuxPoints == std::string::npos) return true;
    const std::string chiffres = adresse.substr(deuxPoints + 1);
    const auto [fin, erreur] = std::from_chars(chiffres.data(), chiffres.data() + chiffres.size(), port);
    return erreur == std::errc() && fin == chiffres.data() + chiffres.size() && port != 0;
}

}  // namespace

std::optional<LancementDeSession> LancementDeSession::lit(const std::string& texte) {
    if (texte.size() > LONGUEUR_MAXI) return std::nullopt;
    const std::string nettoye = sansBlancsAutour(texte);
    const auto champs = nettoye.rfind(SCHEMA_LIEN, 0) == 0 ? champsDuLien(nettoye) : champsDuFichier(texte);
    if (!champs) return std::nullopt;
    const auto valeur = [&](const char* cle) {
        const auto it = champs->find(cle);
        return it == champs->end() ? std::string() : it->second;
    };
    LancementDeSession lancement;
    const std::string mode = valeur("mode");
    if (mode == "host") lancement.mode = Mode::Heberge;
    else if (mode != "join") return std::nullopt;
    lancement.nomSession = valeur("session");
    if (lancement.nomSession.empty() || lancement.nomSession.size() > decouverte::LONGUEUR_NOM_MAXI) return std::nullopt;
    if (!litAdresse(valeur("address"), lancement.hote, lancement.port)) return std::nullopt;
    const bool hoteAttendu = lancement.mode == Mode::Rejoint;
    if (lancement.hote.empty() == hoteAttendu) return std::nullopt;
    return lancement;
}
