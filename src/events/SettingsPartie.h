#pragma once

#include <cstdint>
#include <string>

#include "format/LoadSaveElement.h"

// Where the table stands at the start of a deal: the parameter of the deal-settings event. On the
// computer that emits it nothing changes; a client or a replay reads it to stand exactly where
// the host or the recorded game stood.
struct SettingsPartie : public LoadSaveElement {
    // The seat that chooses trump first, before the turn advances for the deal; PREMIER_A_DETERMINER
    // while the holder of the Sept of Carreau is still to open (first deal of a game or of the
    // second half of a competition).
    static constexpr std::int32_t PREMIER_A_DETERMINER = -10;
    // A team total beyond any goal (a competition's unreachable one included), far enough from the
    // 32-bit limit that the deal cycle adds a deal's points and melds to it without overflow.
    static constexpr std::int32_t TOTAL_MAX = 1000000;
    // Deals of a standard game: hundreds of times more than a game to the highest goal lasts. The
    // table's count stops there, so that every record it writes can be read again.
    static constexpr std::int32_t COMPTEUR_DONNES_MAX = 100000;
    static constexpr std::int32_t NB_DONNES_CONCOURS = 8;

    std::int32_t joueurDoitChoisirAtout = PREMIER_A_DETERMINER;
    std::string etatRandom;  // the table generator's record
    std::int32_t totalEq1 = 0;
    std::int32_t totalEq2 = 0;
    std::string statistiques;  // the statistics record
    bool estConcours = false;
    std::int32_t compteurDonnes = 0;
    bool distributionInversee = false;
    std::string etatRandomInitial;  // the generator's record at the start of the game, or empty

    // Checks every field: the seat, the totals and the deal count within their ranges (a
    // competition's count within its eight deals), the generator records loadable (a
    // competition's initial one present). Throws ErreurDeValeur for a value out of range,
    // ErreurDeFormat or ErreurDeConversion for a field of the wrong shape, and leaves the
    // settings as they were.
    void load(const std::string& texte) override;
    std::string save() const override;
};
