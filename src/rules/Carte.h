#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/Assertion.h"
#include "rules/Atout.h"
#include "rules/TablesDesCartes.h"

// One of the 36 cards of the Swiss pack, as the rules see it. Exactly 36 cards exist, for the
// whole program; everything else refers to them, so two references denote the same card exactly
// when they have the same tag. What is shown on screen for a card lives with the views.
class Carte {
public:
    enum Couleur : std::uint8_t { PasDeCouleur = 0, Trefle = 1, Carreau = 2, Pique = 3, Coeur = 4 };
    enum Position : std::uint8_t {
        PasDePosition = 0,
        Six = 6,
        Sept = 7,
        Huit = 8,
        Neuf = 9,
        Dix = 10,
        Valet = 11,
        Dame = 12,
        Roi = 13,
        As = 14,
    };
    static constexpr unsigned NB_CARTES = 36;

    Carte(const Carte&) = delete;
    Carte& operator=(const Carte&) = delete;

    // The card of a tag, 0 to 35: tag = (suit - 1) * 9 + (rank - 6).
    static const Carte& parTag(unsigned tag);
    static const Carte& trouve(Couleur couleur, Position position) { return parTag(tagDe(couleur, position)); }
    static constexpr unsigned tagDe(Couleur couleur, Position position) { return (couleur - 1u) * 9u + (position - 6u); }
    static bool estCouleurValide(int couleur) { return couleur >= Trefle && couleur <= Coeur; }
    static bool estPositionValide(int position) { return position >= Six && position <= As; }

    Couleur getCouleur() const { return couleur_; }
    Position getPosition() const { return position_; }
    unsigned getTag() const { return tag_; }

    // "Le Valet de Coeur".
    std::string getNom() const;
    // "4_11": suit and rank values; names the picture file and the card inside event texts.
    std::string getIdentifiant() const;

    int getPoints(Atout atout) const { return tables::points[valeur(atout) & 7][tag_]; }
    // Strength within the suit, 1 (weakest) to 9 (strongest).
    int getForce(Atout atout) const { return tables::force[valeur(atout) & 7][tag_]; }
    // Only a trump beats a card of another suit; within a suit the stronger card wins.
    bool estPlusForteQue(const Carte& carte, Atout atout) const {
        if (couleur_ != carte.couleur_) return couleur_ == valeur(atout) && carte.couleur_ != valeur(atout);
        TW_ASSERT(position_ != carte.position_, "Carte");
        return getForce(atout) > carte.getForce(atout);
    }
    // Weight of the card when a computer player weighs a hand for a mode.
    int valeurPourChoixAtout(Atout atout) const;
    std::string texteInformation(Atout atout) const;

private:
    constexpr Carte(unsigned tag)
        : couleur_(static_cast<Couleur>(tag / 9 + 1)), position_(static_cast<Position>(tag % 9 + 6)), tag_(tag) {}
    template <std::size_t... I>
    friend constexpr std::array<Carte, 36> fabriqueLesCartes(std::index_sequence<I...>);

    Couleur couleur_;
    Position position_;
    std::uint32_t tag_;
};

std::string nomCouleur(int couleur);
std::string nomPosition(int position);
