#pragma once

#include <QString>

// The language of the texts: "FRA", "DEU" or "ENU", remembered for the program's path so that
// later starts use the same one.
namespace langue {

// The remembered choice, French when there is none.
QString codeMemorise();
// Loads the texts of a language into the string table; false when its file cannot be read
// (the texts in use stay).
bool charge(const QString& code);
// Remembers the choice and loads it. False when the language's file cannot be read.
bool choisit(const QString& code);

}  // namespace langue
