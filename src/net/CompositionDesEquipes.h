#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "rules/OptionsDuJoueur.h"

// What the server window shows and edits while the host composes the two teams: the players
// available (the host, its two computer players and every registered client), the two teams,
// and the tree of connected players. Entries refer to the players' records by their index.
class CompositionDesEquipes {
public:
    enum Liste { Disponibles = 0, Equipe1 = 1, Equipe2 = 2 };
    struct Entree {
        std::string nom;
        int joueur;
    };
    // A registered client in the tree: its display name, with one child line for its identifier.
    struct Noeud {
        std::string nom;
        std::string identifiant;
    };

    void vide();
    // A player offered to the host: its record, listed under "Joueurs disponibles".
    int ajouteJoueur(const OptionsDuJoueur& options);
    // A client's registration: offered like the others and shown in the tree.
    int inscritClient(const OptionsDuJoueur& options);
    // A client gone before the game: off every list and out of the tree.
    void retireClient(int joueur);

    // "->" of a team: while the team holds fewer than two, the selected available players (their
    // rows) move to its end, the last selected first.
    void ajouteAEquipe(Liste equipe, const std::vector<int>& selection);
    // "<-" of a team: the selected rows of the team go back to the available players.
    void retireDeEquipe(Liste equipe, const std::vector<int>& selection);
    // "&Ok": true when each team holds two; otherwise the "Equipes incomplètes." box.
    bool confirme() const;
    // The player of each seat: team 1 holds seats 0 and 2, team 2 seats 1 and 3.
    std::array<int, 4> sieges() const;

    const OptionsDuJoueur& joueur(int joueur) const { return joueurs_.at(static_cast<std::size_t>(joueur)); }
    const std::vector<Entree>& liste(Liste liste) const { return listes_[liste]; }
    // One node per registration, in registration order; empty once the client left.
    const std::vector<std::pair<int, std::optional<Noeud>>>& noeuds() const { return noeuds_; }

    // Told when a list or the tree changes (the server window repaints).
    std::function<void()> changement;

private:
    void deplace(Liste depuis, Liste vers, const std::vector<int>& selection);
    void signaleChangement() const;

    std::vector<OptionsDuJoueur> joueurs_;
    std::array<std::vector<Entree>, 3> listes_;
    std::vector<std::pair<int, std::optional<Noeud>>> noeuds_;
};
