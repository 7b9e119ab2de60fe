#include "ui/Ressources.h"

#include <QCoreApplication>
#include <QDir>

#ifndef TRUMPWISE_DONNEES_INSTALLEES
#define TRUMPWISE_DONNEES_INSTALLEES "../share/trumpwise"
#endif

namespace ressources {

QString dossierDonnees() {
    const QString programme = QCoreApplication::applicationDirPath();
    const QString installe = QDir::cleanPath(programme + QStringLiteral("/" TRUMPWISE_DONNEES_INSTALLEES));
    for (const QString& candidat : {programme, installe})
        if (QDir(candidat + QStringLiteral("/lang")).exists()) return candidat;
    return programme;
}

QString dossierLangues() { return dossierDonnees() + QStringLiteral("/lang"); }

QString dossierCartes() { return dossierDonnees() + QStringLiteral("/Cartes"); }

}  // namespace ressources
