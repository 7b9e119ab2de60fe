#pragma once

class EvenementDeJeu;

// Checks that a decoded event is one this program can produce: an actor and a number that fit its
// kind, and a parameter that its consumers can read. Only such events reach the event list and
// the table, whose own checks then concern the program's sequencing alone.
// Throws ErreurDeFormat (or the error of the parameter's own reader) otherwise.
void verifieEvenement(const EvenementDeJeu& evenement);
