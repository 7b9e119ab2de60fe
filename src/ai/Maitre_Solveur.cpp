#include "ai/Maitre_Solveur.h"

#include <algorithm>
#include <bit>

#include "rules/CartesJouables.h"
#include "rules/TablesDesCartes.h"

namespace {

constexpr int INFINI = 10000;
constexpr std::uint8_t AUCUNE = 0xFF;
constexpr int POINTS_DERNIER_PLI = 5;
// How many nodes pass between two questions to the safety stop.
constexpr std::uint64_t PERIODE_ARRET = 1 << 14;

constexpr int couleur(int tag) { return tag / 9 + 1; }
constexpr int points(int mode, int tag) { return tables::points[mode][tag]; }
constexpr int force(int mode, int tag) { return tables::force[mode][tag]; }

// For each mode and suit, the suit's tags from the weakest card to the strongest.
constexpr auto ordreDeForce = [] {
    std::array<std::array<std::array<std::uint8_t, 9>, 5>, 8> ordre{};
    for (int mode = 0; mode < 8; ++mode)
        for (int c = 1; c <= 4; ++c)
            for (int k = 0; k < 9; ++k) {
                const unsigned tag = static_cast<unsigned>((c - 1) * 9 + k);
                ordre[mode][c][tables::force[mode][tag] - 1] = static_cast<std::uint8_t>(tag);
            }
    return ordre;
}();

// For each mode, the cards worth points.
constexpr auto masqueAPoints = [] {
    std::array<std::uint64_t, 8> masques{};
    for (int mode = 0; mode < 8; ++mode)
        for (unsigned tag = 0; tag < 36; ++tag)
            if (tables::points[mode][tag] != 0) masques[mode] |= std::uint64_t{1} << tag;
    return masques;
}();

// For each mode and suit, the run of its lowest cards worth nothing (six, seven...), as a mask of
// the suit's nine tags: they follow each other in strength with no card worth points between them,
// so which of them is which does not change what any trick is worth.
constexpr auto masqueDuTrou = [] {
    std::array<std::array<std::uint8_t, 5>, 8> masques{};
    for (int mode = 0; mode < 8; ++mode)
        for (int c = 1; c <= 4; ++c) {
            unsigned n = 0;
            while (n < 4 && tables::points[mode][static_cast<unsigned>(9 * (c - 1)) + n] == 0) ++n;
            masques[mode][c] = static_cast<std::uint8_t>((1u << n) - 1);
        }
    return masques;
}();

// For a run's cards still held t and a part of them m (four bits each, index t << 4 | m): the
// part once the held cards are moved to the bottom of the run in their order.
constexpr auto tasseDansLeTrou = [] {
    std::array<std::uint8_t, 256> tasses{};
    for (unsigned t = 0; t < 16; ++t)
        for (unsigned m = 0; m < 16; ++m) {
            unsigned tasse = 0, place = 0;
            for (unsigned k = 0; k < 4; ++k)
                if (t >> k & 1) {
                    if (m >> k & 1) tasse |= 1u << place;
                    ++place;
                }
            tasses[t << 4 | m] = static_cast<std::uint8_t>(tasse);
        }
    return tasses;
}();

// Whether card a beats card b, which holds the trick: only a trump beats another suit.
constexpr bool bat(int mode, int a, int b) {
    if (couleur(a) == couleur(b)) return force(mode, a) > force(mode, b);
    return couleur(a) == mode;
}

// For each mode and card, the cards that beat it when it holds the trick.
constexpr auto battantes = [] {
    std::array<std::array<std::uint64_t, 36>, 8> masques{};
    for (int mode = 0; mode < 8; ++mode)
        for (int b = 0; b < 36; ++b)
            for (int a = 0; a < 36; ++a)
                if (bat(mode, a, b)) masques[mode][b] |= std::uint64_t{1} << a;
    return masques;
}();

}  // namespace

Maitre_Solveur::Maitre_Solveur(unsigned bitsTable) : table_(bitsTable) {}

int Maitre_Solveur::pointsRestants(const Maitre_PositionOuverte& position) {
    const int mode = valeur(position.atoutDuPli());
    int total = POINTS_DERNIER_PLI;
    std::uint64_t cartes = position.mains[0] | position.mains[1] | position.mains[2] | position.mains[3];
    for (int k = 0; k < position.nbCartesPli; ++k) cartes |= std::uint64_t{1} << position.pli[k];
    for (; cartes; cartes &= cartes - 1) total += points(mode, std::countr_zero(cartes));
    return total;
}

void Maitre_Solveur::place(const Maitre_PositionOuverte& position) {
    mains_ = position.mains;
    for (int k = 0; k < 3; ++k) pli_[k] = position.pli[k];
    meneur_ = position.meneur;
    nbCartesPli_ = position.nbCartesPli;
    plisFaits_ = position.plisFaits;
    toutPris_ = position.toutPris;
    atout_ = position.atout;
    pointsRestants_ = pointsRestants(position);
    gagnant_ = 0;
    const int mode = atoutDuPli();
    for (std::uint8_t k = 1; k < nbCartesPli_; ++k)
        if (bat(mode, pli_[k], pli_[gagnant_])) gagnant_ = k;
    for (auto& killers : killers_) killers = {AUCUNE, AUCUNE};
    table_.nouvelleGeneration();
}

int Maitre_Solveur::atoutDuPli() const {
    if (atout_ != Atout::ZigZag) return valeur(atout_);
    return valeur(plisFaits_ % 2 == 0 ? Atout::BasEnHaut : Atout::HautEnBas);
}

std::uint64_t Maitre_Solveur::enJeu() const {
    std::uint64_t cartes = mains_[0] | mains_[1] | mains_[2] | mains_[3];
    for (int k = 0; k < nbCartesPli_; ++k) cartes |= std::uint64_t{1} << pli_[k];
    return cartes;
}

Maitre_TableDeTransposition::Cle Maitre_Solveur::cle() const {
    // Each card of the deal at its own place but in the run of the lowest cards of each suit worth
    // nothing, whose cards still held move to its bottom in their order: what is left, who holds
    // it (two masks: hands 1 and 3, hands 2 and 3), the leader and the bonus still possible.
    const int mode = atoutDuPli();
    std::uint64_t tenues = mains_[0] | mains_[1] | mains_[2] | mains_[3];
    std::uint64_t impaires = mains_[1] | mains_[3];
    std::uint64_t hautes = mains_[2] | mains_[3];
    for (int c = 1; c <= 4; ++c) {
        const unsigned decalage = static_cast<unsigned>(9 * (c - 1));
        const std::uint64_t trou = std::uint64_t{masqueDuTrou[mode][c]} << decalage;
        const unsigned t = static_cast<unsigned>((tenues & trou) >> decalage);
        const auto tasse = [&](std::uint64_t& cartes) {
            const unsigned m = static_cast<unsigned>((cartes & trou) >> decalage);
            cartes = (cartes & ~trou) | std::uint64_t{tasseDansLeTrou[t << 4 | m]} << decalage;
        };
        tasse(impaires);
        tasse(hautes);
        tasse(tenues);
    }
    return {tenues | std::uint64_t{meneur_} << 36 | std::uint64_t{toutPris_} << 38 | (impaires & 0xFFFFFF) << 40,
            impaires >> 24 | hautes << 12};
}

std::uint64_t Maitre_Solveur::cartesJouablesIci() const {
    const int joueur = (meneur_ + nbCartesPli_) & 3;
    if (nbCartesPli_ == 0) return mains_[joueur];
    const int mode = atoutDuPli();
    const int tenant = pli_[gagnant_];
    const int forceAtout = couleur(tenant) == mode ? force(mode, tenant) : 0;
    return cartesJouables(mains_[joueur], couleur(pli_[0]), Atout(mode), forceAtout);
}

int Maitre_Solveur::joue(int tag) {
    const int joueur = (meneur_ + nbCartesPli_) & 3;
    mains_[joueur] &= ~(std::uint64_t{1} << tag);
    const int mode = atoutDuPli();
    pli_[nbCartesPli_] = static_cast<std::uint8_t>(tag);
    if (nbCartesPli_ > 0 && bat(mode, tag, pli_[gagnant_])) gagnant_ = nbCartesPli_;
    if (++nbCartesPli_ < 4) return 0;

    const int gagnant = (meneur_ + gagnant_) & 3;
    const bool dernier = (mains_[0] | mains_[1] | mains_[2] | mains_[3]) == 0;
    int pointsDuPli = dernier ? POINTS_DERNIER_PLI : 0;
    for (int k = 0; k < 4; ++k) pointsDuPli += points(mode, pli_[k]);
    pointsRestants_ -= pointsDuPli;
    toutPris_ &= static_cast<std::uint8_t>(1 << (gagnant & 1));
    meneur_ = static_cast<std::uint8_t>(gagnant);
    nbCartesPli_ = 0;
    gagnant_ = 0;
    ++plisFaits_;
    int gain = (gagnant & 1) == 0 ? pointsDuPli : 0;
    if (dernier) {
        if (toutPris_ & 1) gain += PRIME_TOUS_LES_PLIS;
        if (toutPris_ & 2) gain -= PRIME_TOUS_LES_PLIS;
    }
    return gain;
}

void Maitre_Solveur::dejoue(int joueur, int tag, const Etat& avant) {
    mains_[joueur] |= std::uint64_t{1} << tag;
    pli_ = avant.pli;
    meneur_ = avant.meneur;
    nbCartesPli_ = avant.nbCartesPli;
    plisFaits_ = avant.plisFaits;
    toutPris_ = avant.toutPris;
    gagnant_ = avant.gagnant;
    pointsRestants_ = avant.pointsRestants;
}

std::uint64_t Maitre_Solveur::representants(std::uint64_t jouables, std::uint8_t* representant) const {
    // Two cards of one hand with the same points and no card of the suit still in play between
    // them win and lose the same tricks: one of them is enough. Only cards worth nothing share
    // their points within a suit, and those of a suit follow each other in strength as in tags
    // (upwards, or downwards in the order from the bottom): the card below in play tells.
    const std::uint64_t sansPoints = jouables & ~masqueAPoints[atoutDuPli()];
    const std::uint64_t enJeuIci = enJeu();
    std::uint64_t gardes = jouables;
    if (representant)
        for (std::uint64_t cartes = jouables; cartes; cartes &= cartes - 1) {
            const int tag = std::countr_zero(cartes);
            representant[tag] = static_cast<std::uint8_t>(tag);
        }
    for (std::uint64_t cartes = sansPoints; cartes; cartes &= cartes - 1) {
        const int tag = std::countr_zero(cartes);
        const std::uint64_t dessous = enJeuIci & tables::masqueCouleur(couleur(tag)) & ((std::uint64_t{1} << tag) - 1);
        if (dessous == 0) continue;
        const int voisine = 63 - std::countl_zero(dessous);
        if (!(sansPoints >> voisine & 1)) continue;
        gardes &= ~(std::uint64_t{1} << tag);
        if (representant) representant[tag] = representant[voisine];
    }
    return gardes;
}

unsigned Maitre_Solveur::ordonne(std::uint64_t cartes, int meilleureCarte, std::uint8_t* ordre) const {
    const int joueur = (meneur_ + nbCartesPli_) & 3;
    const int mode = atoutDuPli();
    const std::uint64_t enJeuIci = nbCartesPli_ == 0 ? enJeu() : 0;
    int scores[9];
    unsigned n = 0;
    // The third card of a trick the partner holds but the last seat can still beat.
    const bool partenaireMenace = nbCartesPli_ == 2 && ((meneur_ + gagnant_) & 1) == (joueur & 1) &&
                                  peutBattre((joueur + 1) & 3, pli_[gagnant_]);
    for (; cartes; cartes &= cartes - 1) {
        const int tag = std::countr_zero(cartes);
        int score;
        if (tag == meilleureCarte) {
            score = 100000;
        } else if (nbCartesPli_ == 0) {
            score = scoreDEntame(tag, enJeuIci);
        } else {
            // Followers go by the trick alone: a killer card cut in another trick, which mostly
            // has nothing to do with this one.
            const int tenant = pli_[gagnant_];
            const bool partenaireTient = ((meneur_ + gagnant_) & 1) == (joueur & 1);
            const bool prend = bat(mode, tag, tenant);
            // Trumps are worth keeping: take with another suit's card first, and throw them last.
            const bool atout = couleur(tag) == mode;
            if (partenaireMenace && !prend)
                score = 700 - points(mode, tag) - force(mode, tag);  // keep the points out of it
            else if (partenaireMenace && !peutBattre((joueur + 1) & 3, tag))
                score = 900 + points(mode, tag);  // take it over for good
            else if (partenaireTient && !prend)
                score = 800 + points(mode, tag);  // feed the partner's trick
            else if (prend && !partenaireTient)
                score = 1000 - force(mode, tag) + (nbCartesPli_ == 3 ? points(mode, tag) : 0) - (atout ? 10 : 0);
            else
                score = 500 - points(mode, tag) - force(mode, tag) - (atout ? 20 : 0);
        }
        // Insertion by decreasing score; the hand holds at most nine cards.
        unsigned i = n++;
        while (i > 0 && scores[i - 1] < score) {
            scores[i] = scores[i - 1];
            ordre[i] = ordre[i - 1];
            --i;
        }
        scores[i] = score;
        ordre[i] = static_cast<std::uint8_t>(tag);
    }
    return n;
}

int Maitre_Solveur::scoreDEntame(int tag, std::uint64_t enJeuIci) const {
    const int joueur = meneur_;
    const int mode = atoutDuPli();
    if (tag == killers_[plisFaits_][0] || tag == killers_[plisFaits_][1]) return 50000;
    // Lead a master card and cash it, or else a card worth little, first in a suit whose best card
    // the partner holds.
    int meilleure = -1;
    for (std::uint64_t autres = enJeuIci & tables::masqueCouleur(couleur(tag)) & ~mains_[joueur]; autres; autres &= autres - 1) {
        const int autre = std::countr_zero(autres);
        if (meilleure < 0 || force(mode, autre) > force(mode, meilleure)) meilleure = autre;
    }
    if (meilleure < 0 || force(mode, meilleure) < force(mode, tag)) return 1000 + points(mode, tag);
    const bool auPartenaire = mains_[(joueur + 2) & 3] >> meilleure & 1;
    return (auPartenaire ? 800 : 500) - points(mode, tag) - force(mode, tag);
}

bool Maitre_Solveur::peutBattre(int siege, int carte) const {
    return (mains_[siege] & battantes[atoutDuPli()][carte]) != 0;
}

int Maitre_Solveur::finDuDernierPli() {
    // One card left in each hand: the last trick plays itself.
    const int mode = atoutDuPli();
    std::array<int, 4> cartes;
    for (int k = 0; k < 4; ++k)
        cartes[k] = k < nbCartesPli_ ? pli_[k] : std::countr_zero(mains_[(meneur_ + k) & 3]);
    int gagnant = nbCartesPli_ > 0 ? gagnant_ : 0;
    for (int k = std::max(1, static_cast<int>(nbCartesPli_)); k < 4; ++k)
        if (bat(mode, cartes[k], cartes[gagnant])) gagnant = k;
    const int equipe = (meneur_ + gagnant) & 1;
    int gain = 0;
    if (equipe == 0) {
        gain = POINTS_DERNIER_PLI;
        for (const int carte : cartes) gain += points(mode, carte);
    }
    const int toutPris = toutPris_ & (1 << equipe);
    if (toutPris & 1) gain += PRIME_TOUS_LES_PLIS;
    if (toutPris & 2) gain -= PRIME_TOUS_LES_PLIS;
    return gain;
}

std::pair<int, int> Maitre_Solveur::bornes() const {
    // Team 0 wins nothing more, or everything left; each bonus only while that team has taken
    // every trick.
    std::pair<int, int> bornes{(toutPris_ & 2) ? -PRIME_TOUS_LES_PLIS : 0,
                               pointsRestants_ + ((toutPris_ & 1) ? PRIME_TOUS_LES_PLIS : 0)};
    if (nbCartesPli_ != 0) return bornes;
    const auto [surs, pointsSurs] = plisSurs();
    if (surs == 0) return bornes;
    const bool equipe0 = (meneur_ & 1) == 0;
    if (surs >= 9 - plisFaits_) {
        // The leader's team takes every trick left.
        const int v = equipe0 ? bornes.second : bornes.first;
        return {v, v};
    }
    // The other team can no longer take every trick.
    if (equipe0) return {pointsSurs, bornes.second};
    return {bornes.first, pointsRestants_ - pointsSurs};
}

std::pair<int, int> Maitre_Solveur::plisSurs() const {
    // The masters the leader can cash one after the other, keeping the lead: every trump master,
    // and the masters of the other suits when no opponent has a trump left to cut them (in the
    // orders without trump, every master). In a zig-zag deal the order turns at each trick: only
    // the trick to come is sure.
    const int mode = atoutDuPli();
    const std::uint64_t tenues = mains_[0] | mains_[1] | mains_[2] | mains_[3];
    const std::uint64_t adverses = mains_[(meneur_ + 1) & 3] | mains_[(meneur_ + 3) & 3];
    const bool coupeAdverse = mode <= 4 && (adverses & tables::masqueCouleur(mode)) != 0;
    int surs = 0, pointsSurs = 0;
    for (int c = 1; c <= 4; ++c) {
        if (c != mode && coupeAdverse) continue;
        for (int k = 8; k >= 0; --k) {
            const std::uint8_t tag = ordreDeForce[mode][c][k];
            const std::uint64_t bit = std::uint64_t{1} << tag;
            if (!(tenues & bit)) continue;
            if (!(mains_[meneur_] & bit)) break;
            ++surs;
            pointsSurs += points(mode, tag);
        }
    }
    if (atout_ == Atout::ZigZag && surs > 1) return {0, 0};
    return {surs, pointsSurs};
}

int Maitre_Solveur::cherche(int alpha, int beta) {
    ++noeuds_;
    if (noeuds_ > limite_ || ((noeuds_ & (PERIODE_ARRET - 1)) == 0 && arret_ && arret_())) interrompu_ = true;
    if (interrompu_) return 0;
    if (plisFaits_ == 8) return finDuDernierPli();

    auto [bas, haut] = bornes();
    if (bas >= beta || bas == haut) return bas;
    if (haut <= alpha) return haut;
    // The table holds trick starts only: inside a trick the positions hardly ever meet again,
    // and their entries would push out the ones that pay.
    const bool enDebutDePli = nbCartesPli_ == 0;
    Maitre_TableDeTransposition::Cle cleIci;
    int meilleureCarte = AUCUNE;
    if (enDebutDePli) {
        cleIci = cle();
        if (const auto* entree = table_.trouve(cleIci)) {
            if (entree->bas > bas) bas = entree->bas;
            if (entree->haut < haut) haut = entree->haut;
            if (bas >= beta || bas == haut) return bas;
            if (haut <= alpha) return haut;
            meilleureCarte = entree->meilleureCarte;
        }
    }
    if (bas > alpha) alpha = bas;
    if (haut < beta) beta = haut;

    const int joueur = (meneur_ + nbCartesPli_) & 3;
    const bool maximise = (joueur & 1) == 0;
    std::uint8_t ordre[9];
    const unsigned n = ordonne(representants(cartesJouablesIci(), nullptr), meilleureCarte, ordre);
    const Etat avant = etat();
    int a = alpha, b = beta;
    int meilleur = maximise ? -INFINI : INFINI;
    int carteDuMeilleur = ordre[0];
    for (unsigned i = 0; i < n; ++i) {
        const int tag = ordre[i];
        const int gain = joue(tag);
        const int v = gain + cherche(a - gain, b - gain);
        dejoue(joueur, tag, avant);
        if (interrompu_) return 0;
        if (maximise ? v > meilleur : v < meilleur) {
            meilleur = v;
            carteDuMeilleur = tag;
        }
        if (maximise) {
            if (meilleur > a) a = meilleur;
        } else if (meilleur < b) {
            b = meilleur;
        }
        if (a >= b) {
            auto& killers = killers_[plisFaits_];
            if (nbCartesPli_ == 0 && killers[0] != tag) {
                killers[1] = killers[0];
                killers[0] = static_cast<std::uint8_t>(tag);
            }
            break;
        }
    }
    // Fail-soft: below the window the value is at most `meilleur`, above it at least.
    const int nouveauBas = meilleur >= beta ? meilleur : meilleur > alpha ? meilleur : bas;
    const int nouveauHaut = meilleur <= alpha ? meilleur : meilleur < beta ? meilleur : haut;
    if (enDebutDePli) table_.range(cleIci, 9 - plisFaits_, nouveauBas, nouveauHaut, carteDuMeilleur);
    return meilleur;
}

int Maitre_Solveur::valeurExacte(int alpha, int beta, int estimation) {
    // Zero-window searches, each telling whether the value reaches a threshold: they cut much
    // more than one search with the whole window, and what each learns stays in the table for the
    // next. With an estimation the first threshold is there and the next ones go away from it,
    // by steps that double as long as the searches find the value further on the same side; once
    // it is enclosed (and without an estimation) the threshold halves the interval.
    int bas = alpha, haut = beta;
    const bool estimee = estimation > alpha && estimation <= beta;
    int seuil = estimee ? estimation : bas + (haut - bas + 1) / 2;
    bool galope = estimee;
    int pas = 1, sens = 0;
    while (bas < haut && !interrompu_) {
        const int v = cherche(seuil - 1, seuil);
        const int sensIci = v >= seuil ? 1 : -1;
        if (sensIci > 0)
            bas = v;
        else
            haut = v;
        if (bas >= haut) break;
        if (galope && sens != 0 && sensIci != sens) galope = false;
        if (galope) {
            if (sensIci == sens) pas *= 2;
            sens = sensIci;
            seuil = sens > 0 ? std::min(bas + pas, haut) : std::max(haut - pas + 1, bas + 1);
        } else {
            seuil = bas + (haut - bas + 1) / 2;
        }
    }
    return bas;
}

int Maitre_Solveur::resout(const Maitre_PositionOuverte& position) {
    place(position);
    return valeurExacte(bornes().first, bornes().second);
}

int Maitre_Solveur::valeurEstimee(const Maitre_PositionOuverte& position, int plis) {
    place(position);
    int gain = 0;
    while (plisFaits_ < plis && plisFaits_ < 8) {
        std::uint8_t ordre[9];
        ordonne(representants(cartesJouablesIci(), nullptr), AUCUNE, ordre);
        gain += joue(ordre[0]);
    }
    const auto [bas, haut] = bornes();
    return gain + valeurExacte(bas, haut);
}

Maitre_Solveur::ValeursDesCartes Maitre_Solveur::valeursDesCartes(const Maitre_PositionOuverte& position) {
    place(position);
    ValeursDesCartes result;
    const int joueur = position.aJouer();
    const std::uint64_t jouables = cartesJouablesIci();
    std::uint8_t representant[36];
    const std::uint64_t gardes = representants(jouables, representant);
    int valeurs[36];
    const Etat avant = etat();
    // The likeliest best card first; its value is where the next cards' values probably lie.
    std::uint8_t ordre[9];
    const unsigned n = ordonne(gardes, AUCUNE, ordre);
    int estimation = INT32_MIN;
    for (unsigned i = 0; i < n; ++i) {
        const int tag = ordre[i];
        const int gain = joue(tag);
        const auto [bas, haut] = bornes();
        const int v = gain + valeurExacte(bas, haut, estimation == INT32_MIN ? INT32_MIN : estimation - gain);
        dejoue(joueur, tag, avant);
        if (interrompu_) return {};
        valeurs[tag] = (joueur & 1) == 0 ? v : avant.pointsRestants - v;
        estimation = v;
    }
    for (std::uint64_t cartes = jouables; cartes; cartes &= cartes - 1) {
        const int tag = std::countr_zero(cartes);
        result.cartes[result.nombre++] = {static_cast<std::uint8_t>(tag), valeurs[representant[tag]]};
    }
    return result;
}
