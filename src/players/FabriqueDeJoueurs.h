#pragma once

#include <memory>

#include "players/Joueur.h"

// The computer players live in their own layer; each family registers here how the table makes
// it for a race of player record. A race without a maker is refused with a clear message.
using FabriqueJoueur = std::unique_ptr<Joueur> (*)(const ContexteJoueur& contexte);

void enregistreFabrique(int race, FabriqueJoueur fabrique);
FabriqueJoueur fabriquePour(int race);

// The player of a seat as its record asks: a remote seat, the user, or a registered computer
// player. Throws an Exception for a race that nothing registered.
std::unique_ptr<Joueur> creeJoueur(const ContexteJoueur& contexte);
