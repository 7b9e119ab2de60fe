#pragma once

#include "ai/Simulation.h"

// One sample of a trick-by-trick player: the hands are drawn as for the full search, then a game
// tree is grown card by card up to a horizon that widens as the deal goes on (the current trick
// before the fourth trick, one more trick in the fourth, the whole rest from the fifth on),
// pruned after every card. The level plays no part; the search draws no random numbers.
class SimulationPlies : public Simulation {
public:
    using Simulation::Simulation;

    // Cards searched ahead from the real deal's progress.
    static int horizon(int nbCartesJouees);
    // Calls of the root's development: to the end of the current trick, then to the horizon.
    static int nbDeveloppements(int nbCartesJouees);

    // Nodes a sample's tree may make. Lines that stay equal for every seat are all kept, and in
    // some deals of the fifth or sixth trick they are so many that the whole rest of the deal
    // would take seconds and hundreds of megabytes; the lines still growing when the nodes are
    // used up are judged where they stand.
    static constexpr int NOEUDS_MAXIMUM = 100000;

    // Names a card; `score` receives the root's value.
    const Carte& simule(int& score);
};
