#include "rules/KnuthRandom.h"

#include "platform/Assertion.h"
#include "platform/Exception.h"
#include "platform/Plateforme.h"
#include "format/SpacesSeparatedString.h"

namespace {

constexpr int KK = KnuthRanArray::KK;
constexpr int LL = KnuthRanArray::LL;
constexpr std::int32_t MM = KnuthRanArray::MM;
constexpr int TT = 70;

constexpr std::int32_t evenize(std::int32_t x) { return x & (MM - 2); }
constexpr bool is_odd(std::int32_t x) { return (x & 1) != 0; }

std::int32_t graineDeLHorloge() { return KnuthRandom::graineDeLHeure(Plateforme::courante().heureLocale()); }

}  // namespace

void KnuthRanArray::ran_start(std::int32_t seed) {
    // seed + 2 wraps round for the largest seeds, as it did in the 32-bit published code.
    std::int32_t x[KK + KK - 1];
    std::int32_t ss = evenize(static_cast<std::int32_t>(static_cast<std::uint32_t>(seed) + 2));
    int j = 0;
    for (; j < KK; j++) {
        x[j] = ss;
        ss <<= 1;
        if (ss >= MM) ss -= MM - 2;
    }
    for (; j < KK + KK - 1; j++) x[j] = 0;
    x[1]++;
    ss = seed & (MM - 1);
    int t = TT - 1;
    while (t) {
        for (j = KK - 1; j > 0; j--) x[j + j] = x[j];
        for (j = KK + KK - 2; j > KK - LL; j -= 2) x[KK + KK - 1 - j] = evenize(x[j]);
        for (j = KK + KK - 2; j >= KK; j--)
            if (is_odd(x[j])) {
                x[j - (KK - LL)] = mod_diff(x[j - (KK - LL)], x[j]);
                x[j - KK] = mod_diff(x[j - KK], x[j]);
            }
        if (is_odd(ss)) {
            for (j = KK; j > 0; j--) x[j] = x[j - 1];
            x[0] = x[KK];
            if (is_odd(x[KK])) x[LL] = mod_diff(x[LL], x[KK]);
        }
        if (ss)
            ss >>= 1;
        else
            t--;
    }
    for (j = 0; j < LL; j++) ran_x_[j + KK - LL] = x[j];
    for (; j < KK; j++) ran_x_[j - LL] = x[j];
}

void KnuthRanArray::ran_array(std::int32_t aa[], int n) {
    TW_ASSERT(n >= KK, "KnuthRandom");
    if (n < KK) return;
    int i = 0;
    int j = 0;
    for (; j < KK; j++) aa[j] = ran_x_[j];
    for (; j < n; j++) aa[j] = mod_diff(aa[j - KK], aa[j - LL]);
    for (; i < LL; i++, j++) ran_x_[i] = mod_diff(aa[j - KK], aa[j - LL]);
    for (; i < KK; i++, j++) ran_x_[i] = mod_diff(aa[j - KK], ran_x_[i - LL]);
}

std::int32_t KnuthRandom::graineDeLHeure(const std::tm& heure) {
    const auto date = static_cast<std::uint32_t>((heure.tm_year + 1900 - 1980) * 512 + (heure.tm_mon + 1) * 32 +
                                                 heure.tm_mday);
    const auto temps = static_cast<std::uint32_t>(heure.tm_hour * 2048 + heure.tm_min * 32 + heure.tm_sec / 2);
    return static_cast<std::int32_t>((date << 16) | (temps & 0xFFFF));
}

KnuthRandom::KnuthRandom(bool graineFixe) { genere(graineFixe ? 0 : graineDeLHorloge(), 0); }

int KnuthRandom::tire(int n) {
    TW_ASSERT(n >= 1, "KnuthRandom");
    if (n < 1) return 0;
    if (positionInArray_ == MAX_SIZE) genere(premiereValeur_, 0);
    const std::int32_t j = positionInArray_++;
    return (j < KK ? valeurs_[j] : calcule(j)) % n;
}

void KnuthRandom::resemeHorloge() { genere(graineDeLHorloge(), positionInArray_); }

void KnuthRandom::reinitialise() {
    nbDonnes_ = 0;
    genere(graine_, 0);
}

void KnuthRandom::load(const std::string& texte) {
    SpacesSeparatedString lecteur(texte);
    const std::int32_t position = lecteur.getInt();
    const std::int32_t graine = lecteur.getInt();
    const std::int32_t nbDonnes = lecteur.getInt();
    if (position < 0 || position > MAX_SIZE)
        throw ErreurDeValeur("Random generator position out of range: " + std::to_string(position));
    if (nbDonnes < 0 || nbDonnes > NB_DONNES_MAX)
        throw ErreurDeValeur("Random generator deal count out of range: " + std::to_string(nbDonnes));
    nbDonnes_ = nbDonnes;
    genere(graine, position);
}

std::string KnuthRandom::save() const {
    SpacesSeparatedString ecrivain;
    ecrivain.addInt(positionInArray_);
    ecrivain.addInt(graine_);
    ecrivain.addInt(nbDonnes_);
    return ecrivain.toString();
}

void KnuthRandom::genere(std::int32_t graine, std::int32_t position) {
    KnuthRanArray etat;
    etat.ran_start(graine);
    premiereValeur_ = etat.ran_x()[0];
    graine_ = graine;
    // ran_array goes on where its last call stopped and leaves the next 100 entries in ran_x, so
    // whole batches bring ran_x to the 100 entries just before the position.
    const std::int32_t passees = position - KK >= KK ? position - KK : 0;
    passe(etat, passees);
    for (int i = 0; i < KK; ++i) valeurs_[(passees + i) & MASQUE_RECENTS] = etat.ran_x()[i];
    for (std::int32_t j = passees + KK; j < position; ++j) calcule(j);
    positionInArray_ = position;
}

void KnuthRandom::passe(KnuthRanArray& etat, std::int32_t combien) {
    constexpr int LOT = 1024;
    std::int32_t lot[2 * LOT];
    // Batches of LOT while two remain, then the rest at once: each holds the 100 ran_array needs.
    while (combien > 0) {
        const int n = combien >= 2 * LOT ? LOT : combien;
        etat.ran_array(lot, n);
        combien -= n;
    }
}
