#pragma once

#include <functional>
#include <string>

#include "rules/Carte.h"
#include "rules/Siege.h"

// The central pile: the card each seat has put down in the current trick, and the hint line of
// a zig-zag deal. The view draws it; a drop of a dragged card on it and the pointer moving over
// it are handed to whoever listens (the user's player).
class TasCentral {
public:
    void poseCarte(int noJoueur, const Carte& carte);
    void vide();
    const Carte* carteDe(int noJoueur) const { return cartes_[siege::verifie(noJoueur)]; }
    int nbCartes() const;

    const std::string& labelAtout() const { return labelAtout_; }
    void setLabelAtout(const std::string& texte);

    // User actions, called by the view.
    void lache() const;
    void survole(const Carte* carteSousLaSouris) const;

    std::function<void()> surLacher;
    std::function<void(const Carte*)> surSurvol;
    std::function<void()> changement;

private:
    void signaleChangement() const;

    const Carte* cartes_[4] = {};
    std::string labelAtout_;
};
