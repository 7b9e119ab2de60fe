#include "rules/Annonces.h"

#include <array>
#include <cstddef>

#include "platform/Assertion.h"
#include "platform/Exception.h"
#include "format/SpacesSeparatedString.h"
#include "rules/Siege.h"

namespace {

// The cards a meld stands for, one bit per tag. A run of six or more stands only for its five
// highest cards, so a four-of-a-kind may share a card with it without taking it away.
std::uint64_t cartesDe(const Annonce& annonce) {
    std::uint64_t masque = 0;
    for (int i = 0; i < annonce.getNbCartes(); ++i) {
        Carte::Couleur couleur;
        Carte::Position position;
        if (annonce.getCarte(i, couleur, position)) masque |= std::uint64_t{1} << Carte::tagDe(couleur, position);
    }
    return masque;
}

// The melds of a hand in the order they are found, without allocating: runs never share a card,
// so a set of at most 36 cards holds at most 12 runs and 6 four-of-a-kinds.
class MeldsTrouves {
public:
    void ajoute(const Annonce& annonce) {
        TW_ASSERT(taille_ < annonces_.size(), "Annonces");
        if (taille_ < annonces_.size()) annonces_[taille_++] = annonce;
    }

    // A four-of-a-kind replaces the first meld found that shares a card with it; a second
    // overlapping meld stays.
    void ajouteCarre(const Annonce& carre) {
        const std::uint64_t cartesDuCarre = cartesDe(carre);
        for (std::size_t i = 0; i < taille_; ++i) {
            if ((cartesDe(annonces_[i]) & cartesDuCarre) == 0) continue;
            for (std::size_t j = i + 1; j < taille_; ++j) annonces_[j - 1] = annonces_[j];
            --taille_;
            break;
        }
        ajoute(carre);
    }

    const Annonce* begin() const { return annonces_.data(); }
    const Annonce* end() const { return annonces_.data() + taille_; }

private:
    std::array<Annonce, 18> annonces_{};
    std::size_t taille_ = 0;
};

}  // namespace

Annonces::Annonces(const CarteSet& cartesEnMain) : m_isValid(true) {
    MeldsTrouves trouves;
    std::array<int, Carte::As + 1> nbParPosition{};
    const Carte* precedente = nullptr;
    int longueur = 1;
    const auto enregistreSuite = [&] {
        if (precedente != nullptr && longueur >= 3)
            trouves.ajoute(Annonce::suite(longueur, precedente->getCouleur(), precedente->getPosition()));
    };

    for (const Carte& carte : cartesEnMain) {
        const Carte::Position position = carte.getPosition();
        const Annonce carre = ++nbParPosition[position] == 4 ? Annonce::carre(position) : Annonce();
        if (carre.type == Annonce::Carre) {
            enregistreSuite();
            trouves.ajouteCarre(carre);
            // The card completing a four-of-a-kind belongs to no run.
            longueur = 0;
        } else if (precedente != nullptr) {
            if (carte.getCouleur() == precedente->getCouleur() && position == precedente->getPosition() + 1) {
                ++longueur;
            } else {
                enregistreSuite();
                longueur = 1;
            }
        }
        precedente = &carte;
    }
    enregistreSuite();

    for (const Annonce& annonce : trouves) range(annonce);
}

void Annonces::range(const Annonce& annonce) {
    const std::int32_t points = annonce.points;
    if (points > m_annoncePrincipale.points ||
        (points == m_annoncePrincipale.points && annonce.position > m_annoncePrincipale.position)) {
        m_annonce3 = m_annonce2;
        m_annonce2 = m_annoncePrincipale;
        m_annoncePrincipale = annonce;
        return;
    }
    if (points > m_annonce2.points) {
        m_annonce3 = m_annonce2;
        m_annonce2 = annonce;
        return;
    }
    TW_ASSERT(points > m_annonce3.points, "Annonces");
    m_annonce3 = annonce;
}

Annonces::Annonces(const std::string& texte) : m_isValid(true) {
    SpacesSeparatedString lecteur(texte);
    m_annoncePrincipale.load(lecteur.getString());
    m_annonce2.load(lecteur.getString());
    m_annonce3.load(lecteur.getString());
    // Detection always leaves the slots best first, so the principal meld (which alone decides
    // the contest) can never hide a better one behind it.
    if (m_annonce2.points > m_annoncePrincipale.points || m_annonce3.points > m_annonce2.points)
        throw ErreurDeFormat("Melds are not in order");
}

std::string Annonces::save() const {
    TW_ASSERT(m_isValid, "Annonces");
    SpacesSeparatedString ecrivain;
    ecrivain.addString(m_annoncePrincipale.save());
    ecrivain.addString(m_annonce2.save());
    ecrivain.addString(m_annonce3.save());
    return ecrivain.toString();
}

const Annonce& Annonces::getAnnoncePrincipale() const {
    TW_ASSERT(m_isValid, "Annonces");
    return m_annoncePrincipale;
}

const Annonce& Annonces::getAnnonce2() const {
    TW_ASSERT(m_isValid, "Annonces");
    return m_annonce2;
}

const Annonce& Annonces::getAnnonce3() const {
    TW_ASSERT(m_isValid, "Annonces");
    return m_annonce3;
}

std::int32_t Annonces::getTotalPoints() const {
    TW_ASSERT(m_isValid, "Annonces");
    return m_annoncePrincipale.points + m_annonce2.points + m_annonce3.points;
}

int Annonces::meilleureAnnonce(const Annonces (&annonces)[4], Atout atout) {
    int meilleure = 0;
    for (int i = 0; i < 4; ++i) {
        const Annonce& candidate = annonces[i].getAnnoncePrincipale();
        const Annonce& tenante = annonces[meilleure].getAnnoncePrincipale();
        const bool egale = candidate.points == tenante.points;
        if (candidate.points > tenante.points || (egale && candidate.position > tenante.position) ||
            (egale && candidate.couleur == valeur(atout)))
            meilleure = i;
    }
    return annonces[meilleure].getAnnoncePrincipale().type == Annonce::PasDAnnonce ? -1 : meilleure;
}

ResultatDesAnnonces resultatDesAnnonces(const Annonces (&annonces)[4], int siegeAnnonce0, Atout atout,
                                        std::int32_t multiplicateur) {
    ResultatDesAnnonces resultat;
    resultat.meilleure = Annonces::meilleureAnnonce(annonces, atout);
    if (resultat.meilleure < 0) return resultat;
    resultat.partenaire = siege::partenaire(resultat.meilleure);
    resultat.equipe = siege::equipe(siege::decale(siegeAnnonce0, resultat.meilleure)) + 1;
    resultat.points =
        (annonces[resultat.meilleure].getTotalPoints() + annonces[resultat.partenaire].getTotalPoints()) *
        multiplicateur;
    return resultat;
}

CarteSet Annonces::cartes() const {
    CarteSet cartes;
    for (const Annonce* annonce : {&m_annoncePrincipale, &m_annonce2, &m_annonce3}) {
        if (annonce->type == Annonce::PasDAnnonce) continue;
        for (int posInAnnonce = 0; posInAnnonce < annonce->getNbCartes(); ++posInAnnonce) {
            Carte::Couleur couleur;
            Carte::Position position;
            if (annonce->getCarte(posInAnnonce, couleur, position)) cartes.insert(Carte::trouve(couleur, position));
        }
    }
    return cartes;
}
