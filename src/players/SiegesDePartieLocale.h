#pragma once

#include <array>

#include "rules/OptionsDePartie.h"
#include "rules/OptionsDuJoueur.h"

// The four player records of a new game at this computer, seat by seat: the user, the opponent
// "Alphonse", the partner "Partenaire" and the opponent "Gertrude". The partner plays at the
// expert level with the user's own habits; the opponents play at the level of the game options,
// with calls chosen by the draw the caller passes (any non-negative number), shared by both.
std::array<OptionsDuJoueur, 4> siegesDePartieLocale(const OptionsDuJoueur& utilisateur, const OptionsDePartie& options,
                                                     unsigned tirage);
