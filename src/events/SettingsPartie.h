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

    std::int32_t joueurDoitChoisirAtout = PREMIER_A_DETERMINER;
    std::string etatRandom;  // the table generator's record
    std::int32_t totalEq1 = 0;
    std::int32_t totalEq2 = 0;
    std::string statistiques;  // the statistics record
    bool estConcours = false;
    std::int32_t compteurDonnes = 0;
    bool distributionInversee = false;
    std::string etatRandomInitial;  // the generator's record at the start of the game, or empty

    // Checks the shape of every field (the nested records are checked as records, their values by
    // their owners when the table loads them). Throws ErreurDeFormat or ErreurDeConversion and
    // leaves the settings as they were.
    void load(const std::string& texte) override;
    std::string save() const override;
};
