#include "net/ListeDesSessions.h"

#include <algorithm>

bool ListeDesSessions::ajoute(const SessionTrouvee& session) {
    const bool connue = std::any_of(sessions_.begin(), sessions_.end(),
                                    [&](const SessionTrouvee& s) { return s.instance == session.instance; });
    if (connue || sessions_.size() >= NB_SESSIONS_MAXI) return false;
    sessions_.insert(sessions_.begin(), session);
    return true;
}

std::vector<std::string> ListeDesSessions::lignes(const std::string& sansNom) const {
    std::vector<std::string> resultat;
    resultat.reserve(sessions_.size());
    for (const SessionTrouvee& s : sessions_) {
        std::string ligne = s.nom.empty() ? sansNom : s.nom.substr(0, LONGUEUR_NOM_MAXI);
        ligne += " ( " + s.hote + ":" + std::to_string(s.port) + " )";
        resultat.push_back(std::move(ligne));
    }
    return resultat;
}

const SessionTrouvee* ListeDesSessions::choisie(int ligneSelectionnee) const {
    if (sessions_.empty()) return nullptr;
    const bool valide = ligneSelectionnee >= 0 && static_cast<std::size_t>(ligneSelectionnee) < sessions_.size();
    return &sessions_[valide ? static_cast<std::size_t>(ligneSelectionnee) : 0];
}
