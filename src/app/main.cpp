#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "ai/Maitre_Joueur.h"
#include "ai/FabriquesParSimulation.h"
#include "platform/Plateforme.h"
#include "players/FabriqueDeJoueurs.h"
#include "ui/Application.h"
#include "ui/BoiteDebug.h"
#include "ui/Langue.h"
#include "ui/PlateformeQt.h"
#include "ui/Ressources.h"
#include "ui/TFormAnalyseJoueur.h"
#include "ui/TFormJeuDeCartes.h"

namespace {

// Every computer player owns its analysis window; the main window's width places it.
QWidget* fenetrePrincipale = nullptr;

std::unique_ptr<FenetreAnalyse> creeFenetreDAnalyse(AnalyseJoueur& analyse) {
    return std::make_unique<TFormAnalyseJoueur>(analyse, fenetrePrincipale);
}

// The game in progress, kept among the user's data so that a program closed or dead in the
// middle of a game offers it at its next start.
std::string fichierDeReprise() {
    const QString dossier = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (dossier.isEmpty() || !QDir().mkpath(dossier)) return {};
    return QFile::encodeName(QDir(dossier).filePath(QStringLiteral("partie-en-cours.jss"))).toStdString();
}

// The statistics of the user's games, kept between runs.
QString fichierDeStatistiques() {
    const QString dossier = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (dossier.isEmpty() || !QDir().mkpath(dossier)) return {};
    return QDir(dossier).filePath(QStringLiteral("statistiques.txt"));
}

}  // namespace

int main(int argc, char** argv) {
    Application application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trumpwise"));
    QApplication::setApplicationDisplayName(QStringLiteral("Trumpwise"));
    QApplication::setDesktopFileName(QStringLiteral("trumpwise"));
    std::srand(static_cast<unsigned>(std::time(nullptr)));

    PlateformeQt plateforme;
    Plateforme::installe(&plateforme);
    BoiteDebug::installe();
    enregistreFabrique(OptionsDuJoueur::AI, creeJoueurDeRace5);
    enregistreJoueursParSimulation();
    if (!langue::charge(langue::codeMemorise()) && !langue::charge(QStringLiteral("FRA")))
        std::fprintf(stderr, "trumpwise: no string table in %s\n", qPrintable(ressources::dossierLangues()));

    int resultat = 0;
    {
        TFormJeuDeCartes fenetre(QApplication::arguments());
        fenetre.setFichierDeReprise(fichierDeReprise());
        fenetre.setFichierDeStatistiques(fichierDeStatistiques());
        fenetrePrincipale = &fenetre;
        installeFabriqueFenetreAnalyse(creeFenetreDAnalyse);
        plateforme.setFenetre(&fenetre);
        fenetre.show();
        resultat = QApplication::exec();
    }
    installeFabriqueFenetreAnalyse(nullptr);
    Plateforme::installe(nullptr);
    return resultat;
}
