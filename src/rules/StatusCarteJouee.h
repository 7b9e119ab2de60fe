#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The verdict on a card offered for play: whether it may be played, and why. Values 1 to 7 accept
// the card, 8 and 9 refuse it.
enum class StatusCarteJouee : std::uint8_t {
    Invalide = 0,
    CouleurDemandee = 1,
    CoupeLePli = 2,
    NePeutPasServir = 3,
    OuvreLePli = 4,
    SousCoupeObligee = 5,
    SurCoupe = 6,
    BourConserve = 7,
    RefuseeDoitServir = 8,
    RefuseeSousCoupe = 9,
};

bool CarteEstAcceptee(StatusCarteJouee status);

// Appends the explanation of a verdict: one line for an accepted card, three for a refused one
// (the refusal, an empty line, the reason).
void ajouteExplication(StatusCarteJouee status, std::vector<std::string>& lignes);
