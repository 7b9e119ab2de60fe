#pragma once

#include <string>

class Table;

// At the start of the program: a game left unfinished (the program closed or died in the middle
// of it, see Table::sauvegardeEnContinuDans) is offered for resuming. Yes loads it where it
// stood; No forgets it, and the program starts as it always does. Returns whether a game was
// resumed; a file that cannot be resumed is reported like any game file and forgotten.
bool offreDeReprendre(Table& table, const std::string& fichierDeReprise);
