#pragma once

#include <bit>
#include <cstdint>
#include <string>

#include "rules/Carte.h"

// A set of cards: one bit per tag. A plain 8-byte value, copied freely, never allocating;
// iteration always visits the cards in ascending tag order (suit by suit, Six to As), which
// dealing, meld detection and the searches rely on.
class CarteSet {
public:
    class const_iterator {
    public:
        const Carte& operator*() const { return Carte::parTag(static_cast<unsigned>(std::countr_zero(reste_))); }
        const Carte* operator->() const { return &**this; }
        const_iterator& operator++() {
            reste_ &= reste_ - 1;
            return *this;
        }
        bool operator==(const const_iterator&) const = default;

    private:
        friend class CarteSet;
        explicit const_iterator(std::uint64_t reste) : reste_(reste) {}
        std::uint64_t reste_;
    };

    CarteSet() = default;
    static CarteSet depuisMasque(std::uint64_t masque) { return CarteSet(masque & MASQUE_COMPLET); }
    static CarteSet complet() { return CarteSet(MASQUE_COMPLET); }

    void insert(const Carte& carte) { bits_ |= bit(carte); }
    void erase(const Carte& carte) { bits_ &= ~bit(carte); }
    bool contient(const Carte& carte) const { return (bits_ & bit(carte)) != 0; }
    const_iterator find(const Carte& carte) const {
        return contient(carte) ? const_iterator(bits_ & ~(bit(carte) - 1)) : end();
    }
    const_iterator begin() const { return const_iterator(bits_); }
    const_iterator end() const { return const_iterator(0); }
    unsigned size() const { return static_cast<unsigned>(std::popcount(bits_)); }
    bool empty() const { return bits_ == 0; }
    // The lowest tag in the set, or 36 when it is empty.
    unsigned first() const { return bits_ ? static_cast<unsigned>(std::countr_zero(bits_)) : Carte::NB_CARTES; }

    // The card of that suit and rank, or of that tag, when the set holds it; otherwise nothing.
    const Carte* trouve(int couleur, int position) const;
    const Carte* parTag(unsigned tag) const;
    // The first card, in tag order, whose identifier occurs in the text.
    const_iterator trouveParIdentifiant(const std::string& texte) const;
    // The card met at place k (from 0) when iterating, or nothing.
    const Carte* kieme(unsigned k) const;

    std::uint64_t masque() const { return bits_; }
    CarteSet deCouleur(int couleur) const;
    CarteSet operator&(CarteSet autre) const { return CarteSet(bits_ & autre.bits_); }
    CarteSet operator|(CarteSet autre) const { return CarteSet(bits_ | autre.bits_); }
    CarteSet sauf(CarteSet autre) const { return CarteSet(bits_ & ~autre.bits_); }
    bool operator==(const CarteSet&) const = default;

private:
    static constexpr std::uint64_t MASQUE_COMPLET = (std::uint64_t{1} << 36) - 1;
    explicit CarteSet(std::uint64_t bits) : bits_(bits) {}
    static std::uint64_t bit(const Carte& carte) { return std::uint64_t{1} << carte.getTag(); }

    std::uint64_t bits_ = 0;
};
