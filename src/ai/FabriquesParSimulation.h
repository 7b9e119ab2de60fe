#pragma once

// Registers the simulating computer players for races 1 to 4, so that games whose player
// records name them are played and replayed.
void enregistreJoueursParSimulation();
