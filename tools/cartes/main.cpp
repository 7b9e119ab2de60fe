#include <QCommandLineParser>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

#include "ui/cartes/GenerateurCartes.h"
#include "ui/cartes/Planche.h"

// Draws the card pictures into the given Cartes folder, at build time, without a display.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir dossierDExecution;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && dossierDExecution.isValid())
        qputenv("XDG_RUNTIME_DIR", dossierDExecution.path().toLocal8Bit());
    QGuiApplication application(argc, argv);

    QCommandLineParser options;
    options.setApplicationDescription("Draws the card pictures of every style (Fra, Ger, Fun, XXX) as bitmaps.");
    options.addHelpOption();
    options.addPositionalArgument("cartes", "The Cartes folder to fill (created if missing).", "[cartes]");
    const QCommandLineOption planche("planche", "Also writes a contact sheet of the pictures to this PNG file.", "fichier");
    const QCommandLineOption seul("seul", "Puts only this style folder on the contact sheet.", "dossier");
    const QCommandLineOption echelle("echelle", "Enlarges the contact sheet by this whole factor.", "n", "1");
    options.addOptions({planche, seul, echelle});
    options.process(application);

    const QStringList arguments = options.positionalArguments();
    if (arguments.isEmpty() && !options.isSet(planche)) options.showHelp(1);
    if (!arguments.isEmpty()) {
        const QStringList echecs = genereCartes(arguments.first());
        for (const QString& echec : echecs) std::fprintf(stderr, "Cannot write %s\n", qPrintable(echec));
        if (!echecs.isEmpty()) return 1;
    }
    if (options.isSet(planche)) {
        const int facteur = std::max(1, options.value(echelle).toInt());
        if (!dessinePlanche(options.value(seul), facteur).save(options.value(planche))) {
            std::fprintf(stderr, "Cannot write %s\n", qPrintable(options.value(planche)));
            return 1;
        }
    }
    return 0;
}
