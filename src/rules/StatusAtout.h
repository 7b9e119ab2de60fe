#pragma once

#include <cstdint>
#include <string>

#include "rules/Atout.h"
#include "format/LoadSaveElement.h"

// A player's trump decision: either a chosen mode with its multiplier under the game's variant,
// or chibre, the choice passed to the partner (which carries Atout::Invalide, multiplier 0).
// A fresh record is neither and holds -1 as multiplier. Its text is the content of the
// trump-choice event.
class StatusAtout : public LoadSaveElement {
public:
    bool estChibre = false;
    bool estChoisi = false;
    Atout atout = Atout::Invalide;
    std::int32_t multiplicateur = -1;

    // Throws ErreurDeFormat (mode value outside 0 to 7) or ErreurDeConversion; the record is
    // then left as it was.
    void load(const std::string& texte) override;
    std::string save() const override;
};
