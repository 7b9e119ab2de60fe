#pragma once

#include <array>
#include <cstdint>
#include <ctime>
#include <string>

#include "format/LoadSaveElement.h"

// D. E. Knuth's lagged Fibonacci generator ran_array (long lag 100, short lag 37, modulus 2^30),
// with the ran_start he published in 1997. Games saved by this program replay their deals from
// these exact numbers, so the later revision of ran_start (other numbers) must not be used.
class KnuthRanArray {
public:
    static constexpr int KK = 100;
    static constexpr int LL = 37;
    static constexpr std::int32_t MM = std::int32_t{1} << 30;

    static constexpr std::int32_t mod_diff(std::int32_t x, std::int32_t y) { return (x - y) & (MM - 1); }

    // Any 32-bit seed is accepted: seeds read from a game file are not trusted to be small.
    void ran_start(std::int32_t seed);
    // Fills aa[0 .. n-1], n >= KK, and advances the state past them.
    void ran_array(std::int32_t aa[], int n);

    const std::array<std::int32_t, KK>& ran_x() const { return ran_x_; }

private:
    std::array<std::int32_t, KK> ran_x_{};
};

// The random numbers of a table or of a computer player. Its whole state is a seed and a position
// in the buffer of MAX_SIZE numbers that ran_array makes from that seed, so a game saved to a file
// or sent over the network goes on with exactly the same numbers.
//
// Every computer player owns one, so the buffer is never held: entry j of it is ran_x after
// ran_start for j < 100, and the difference of entries j-100 and j-37 after that, so the last 128
// entries are enough to go on. Coming back to a saved position replays the entries up to it.
class KnuthRandom : public LoadSaveElement {
public:
    static constexpr std::int32_t MAX_SIZE = 1048575;
    // Deals counted by one generator: more than anyone plays, and far from the 32-bit limit. The
    // count stops there, so every record the generator writes can be read again.
    static constexpr std::int32_t NB_DONNES_MAX = 100000000;

    // The MS-DOS file date and time: (year - 1980) * 512 + month * 32 + day in the high 16 bits,
    // hour * 2048 + minute * 32 + seconds / 2 in the low ones. It changes every two seconds.
    static std::int32_t graineDeLHeure(const std::tm& heure);

    // A fixed generator starts from seed 0 (the computer players); the table's from the local
    // date and time of the platform.
    explicit KnuthRandom(bool graineFixe);

    // The next number in 0 .. n-1, n >= 1.
    int tire(int n);
    // A new seed from the clock; the position stays where it is.
    void resemeHorloge();
    void reinitialise();
    void compteDonne() {
        if (nbDonnes_ < NB_DONNES_MAX) ++nbDonnes_;
    }

    // Position, seed, number of deals. A text that is not three integers with a position in
    // 0 .. MAX_SIZE and a deal count in 0 .. NB_DONNES_MAX throws an Exception (ErreurDeValeur
    // for a value out of range) and leaves the generator as it was.
    void load(const std::string& texte) override;
    std::string save() const override;

private:
    static constexpr std::int32_t TAILLE_RECENTS = 128;
    static constexpr std::int32_t MASQUE_RECENTS = TAILLE_RECENTS - 1;

    // Restarts the buffer of a seed and replays it up to the position.
    void genere(std::int32_t graine, std::int32_t position);
    // Takes that many entries (none, or at least 100) from the generator.
    static void passe(KnuthRanArray& etat, std::int32_t combien);
    std::int32_t calcule(std::int32_t j) {
        return valeurs_[j & MASQUE_RECENTS] = KnuthRanArray::mod_diff(valeurs_[(j - KnuthRanArray::KK) & MASQUE_RECENTS],
                                                                       valeurs_[(j - KnuthRanArray::LL) & MASQUE_RECENTS]);
    }

    // Entry j of the buffer lives at j % 128.
    std::array<std::int32_t, TAILLE_RECENTS> valeurs_{};
    // Entry 0 of the buffer: the seed of the next buffer once this one is used up.
    std::int32_t premiereValeur_ = 0;
    std::int32_t graine_ = 0;
    std::int32_t nbDonnes_ = 0;
    std::int32_t positionInArray_ = 0;
};
