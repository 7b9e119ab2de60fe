#include "format/SpacesSeparatedString.h"

#include <charconv>

#include "platform/Exception.h"

SpacesSeparatedString::SpacesSeparatedString(const std::string& texte) {
    if (texte.empty()) throw ErreurHorsLimites("Empty record");
    if (texte.size() < 2 || texte.front() != STRING_START || texte.back() != STRING_END)
        throw ErreurDeFormat("A record must start with '{' and end with '}'");
    string_ = texte.substr(1, texte.size() - 2);
}

void SpacesSeparatedString::addString(const std::string& champ) {
    string_ += champ;
    string_ += STRING_SEPARATOR;
}

void SpacesSeparatedString::addInt(std::int32_t valeur) { addString(std::to_string(valeur)); }

std::string SpacesSeparatedString::toString() const {
    std::string texte;
    texte.reserve(string_.size() + 2);
    texte += STRING_START;
    texte += string_;
    texte += STRING_END;
    return texte;
}

std::string SpacesSeparatedString::getString() {
    if (string_.empty()) throw ErreurHorsLimites("Read past the end of a record");
    if (string_[0] == STRING_START) {
        int profondeur = 1;
        std::size_t fin = 1;
        for (; fin < string_.size(); ++fin) {
            if (string_[fin] == STRING_START) ++profondeur;
            if (string_[fin] == STRING_END && --profondeur == 0) break;
        }
        if (fin == string_.size()) throw ErreurDeFormat("A nested record never closes");
        std::string champ = string_.substr(0, fin + 1);
        // The byte after the closing brace is the separator; it may be missing at the very end.
        string_.erase(0, std::min(fin + 2, string_.size()));
        return champ;
    }
    const auto separateur = string_.find(STRING_SEPARATOR);
    if (separateur == std::string::npos) return {};
    std::string champ = string_.substr(0, separateur);
    string_.erase(0, separateur + 1);
    return champ;
}

std::int32_t SpacesSeparatedString::getInt() {
    const std::string champ = getString();
    std::int32_t valeur = 0;
    if (!convertitEntier(champ, valeur))
        throw ErreurDeConversion("'" + champ + "' is not a valid integer value");
    return valeur;
}

bool convertitEntier(const std::string& texte, std::int32_t& valeur) {
    if (texte.empty() || texte[0] == '+') return false;
    const char* debut = texte.data();
    const char* fin = debut + texte.size();
    const auto [arret, erreur] = std::from_chars(debut, fin, valeur);
    return erreur == std::errc() && arret == fin;
}

std::string SpacesSeparatedString::champEncodable(std::string texte) {
    for (char& c : texte) {
        if (c == STRING_START) c = '(';
        if (c == STRING_END) c = ')';
        if (c == STRING_SEPARATOR) c = '|';
    }
    return texte;
}
