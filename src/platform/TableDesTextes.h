#pragma once

#include <map>
#include <string>
#include <vector>

// Every text shown to the user comes from this table by its number. A language file holds one
// text per line, "number<TAB>text", in UTF-8, with \r, \n, \t and \\ as escapes; lines that are
// empty or start with # are ignored. The table keeps the texts in Windows-1252.
class TableDesTextes {
public:
    // Replaces the table's content; throws ErreurDeFormat when the file cannot be read or a line
    // is not of the form above.
    void charge(const std::string& chemin);
    void chargeTexte(const std::string& contenuUtf8);

    // The text of the number, or "?<number>" when the table has none (a missing translation
    // stays visible instead of showing nothing).
    std::string texte(int id) const;
    bool contient(int id) const { return textes_.count(id) != 0; }

    static TableDesTextes& globale();

private:
    std::map<int, std::string> textes_;
};

// Replaces the placeholders %s, %u, %d and %i in order by the given values; %% is a percent sign.
// A placeholder without a value becomes empty, a value without a placeholder is dropped.
std::string formateModele(const std::string& modele, const std::vector<std::string>& valeurs);

std::string texte(int id);

namespace detail {
inline std::string enTexte(const std::string& s) { return s; }
inline std::string enTexte(const char* s) { return s; }
template <class Entier>
std::string enTexte(Entier n) { return std::to_string(n); }
}  // namespace detail

template <class... Valeurs>
std::string formate(int id, const Valeurs&... valeurs) {
    return formateModele(texte(id), {detail::enTexte(valeurs)...});
}
