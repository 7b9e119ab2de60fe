#pragma once

#include <cstdint>
#include <string>

#include "rules/Annonce.h"
#include "rules/Atout.h"
#include "rules/CarteSet.h"

// The melds of one hand, found from its cards, best first. Slots without a meld hold
// PasDAnnonce. Its text is the content of the meld announcement event.
class Annonces {
public:
    // Not yet announced: nothing may be read or saved.
    Annonces() = default;
    explicit Annonces(const CarteSet& cartesEnMain);
    // Throws ErreurDeFormat or ErreurDeConversion (ErreurHorsLimites for a missing field) when
    // the text does not hold three melds as this program finds and orders them.
    explicit Annonces(const std::string& texte);

    std::string save() const;

    const Annonce& getAnnoncePrincipale() const;
    const Annonce& getAnnonce2() const;
    const Annonce& getAnnonce3() const;
    std::int32_t getTotalPoints() const;
    // The cards of the three melds.
    CarteSet cartes() const;
    bool isValid() const { return m_isValid; }

    // The index of the best of four announcements made at consecutive seats, or -1 when even
    // the best has no meld. A later announcement takes the lead with more points, or with equal
    // points and either a higher rank or a meld in the trump suit; otherwise the earlier keeps it.
    static int meilleureAnnonce(const Annonces (&annonces)[4], Atout atout);

    bool operator==(const Annonces&) const = default;

private:
    void range(const Annonce& annonce);

    Annonce m_annoncePrincipale;
    Annonce m_annonce2;
    Annonce m_annonce3;
    bool m_isValid = false;
};

// What the melds of a deal are worth: only the team of the best meld scores, the totals of both
// its players, times the deal's multiplier.
struct ResultatDesAnnonces {
    int meilleure = -1;       // index of the best announcement; -1 when nobody scores
    int partenaire = -1;      // index of its partner's announcement
    int equipe = 0;           // 1 for seats 0 and 2, 2 for seats 1 and 3; 0 when nobody scores
    std::int32_t points = 0;  // already multiplied
};

// siegeAnnonce0 is the seat that announced first; the others follow seat by seat.
ResultatDesAnnonces resultatDesAnnonces(const Annonces (&annonces)[4], int siegeAnnonce0, Atout atout,
                                        std::int32_t multiplicateur);
