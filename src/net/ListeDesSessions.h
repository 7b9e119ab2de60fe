#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A game session that answered a search on the local network.
struct SessionTrouvee {
    // Drawn by the host when it opens the session: the same session answering several times,
    // or through several addresses, is listed once.
    std::uint64_t instance = 0;
    // Empty when the host gave the session no name.
    std::string nom;
    std::string hote;
    std::uint16_t port = 0;
};

// The sessions found by one search, newest first, as the session list window shows them.
class ListeDesSessions {
public:
    // Answers come from the network: however many arrive, the list stays this small.
    static constexpr std::size_t NB_SESSIONS_MAXI = 64;
    static constexpr std::size_t LONGUEUR_NOM_MAXI = 30;

    // False when the session is already listed or the list is full.
    bool ajoute(const SessionTrouvee& session);
    void vide() { sessions_.clear(); }
    bool estVide() const { return sessions_.empty(); }
    const std::vector<SessionTrouvee>& sessions() const { return sessions_; }

    // One line per session: its name cut to 30 characters, or sansNom, then " ( host:port )".
    std::vector<std::string> lignes(const std::string& sansNom) const;
    // The session of the selected line; the first one when no line is selected (-1); null when
    // the list is empty.
    const SessionTrouvee* choisie(int ligneSelectionnee) const;

private:
    std::vector<SessionTrouvee> sessions_;
};
