#pragma once

#include <cstdint>
#include <string>

#include "rules/Carte.h"

// One meld: a run of three or more consecutive cards of one suit, or four cards of one rank.
// A run of six to nine cards is kept as a five-card run whose position is its highest rank and
// stands for its five highest cards. A four-of-a-kind carries Coeur, the suit of the card that
// completes it. The suit and rank of PasDAnnonce mean nothing.
class Annonce {
public:
    enum Type : std::uint8_t {
        PasDAnnonce = 0,
        TroisCartes = 1,
        QuatreCartes = 2,
        CinqCartes = 3,
        Carre = 4,
    };

    Type type = PasDAnnonce;
    Carte::Couleur couleur = Carte::PasDeCouleur;
    // The highest rank of a run; the rank of a four-of-a-kind.
    Carte::Position position = Carte::PasDePosition;
    std::int32_t points = 0;

    // The meld of a run of `longueur` cards ending at the given suit and rank; PasDAnnonce below 3.
    static Annonce suite(int longueur, Carte::Couleur couleur, Carte::Position position);
    // The four-of-a-kind of a rank; PasDAnnonce for the Six, Sept and Huit, which score nothing.
    static Annonce carre(Carte::Position position);

    int getNbCartes() const;
    // Suit and rank of the meld's card number posInAnnonce (from the highest card of a run, from
    // Trefle for a four-of-a-kind). False, after an internal error, when there is no such card.
    bool getCarte(int posInAnnonce, Carte::Couleur& coul, Carte::Position& pos) const;
    std::string getNomType() const;

    std::string save() const;
    // Throws ErreurDeFormat for a meld this program cannot have found (unknown type, a suit or
    // rank off the pack, points that are not the type's), ErreurDeConversion for a field that is
    // not a number; the meld is then left as it was.
    void load(const std::string& texte);

    bool operator==(const Annonce&) const = default;
};
