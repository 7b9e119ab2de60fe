#pragma once

#include <QString>

// Where the program's data lies: the string tables (lang/) and the card pictures (Cartes/).
// Beside the executable in the build tree; in the share folder once installed.
namespace ressources {

QString dossierDonnees();
QString dossierLangues();
QString dossierCartes();

}  // namespace ressources
