#pragma once

#include <QString>
#include <string>

// The crossing between the core's Windows-1252 texts and Qt's Unicode. The string table writes
// line breaks as a lone carriage return, which Qt's widgets would not break on.
QString qtexte(const std::string& windows1252);
std::string depuisQt(const QString& texte);
// A text of the string table, ready for a widget.
QString qtexte(int id);
