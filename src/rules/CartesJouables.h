#pragma once

#include <cstdint>

#include "rules/Atout.h"

// Which cards of a hand the rules let a seat play on the trick in progress, on plain masks by
// tag. The deal engine and the open-hand search both play by this one rule.
//
// `couleurDemandee` is the suit of the card that led the trick, or 0 when the seat leads;
// `atout` the mode in force for this trick; `forcePlusFortAtout` the strength of the strongest
// trump lying in the trick, or 0 when it holds none.
std::uint64_t cartesJouables(std::uint64_t main, int couleurDemandee, Atout atout, int forcePlusFortAtout);
