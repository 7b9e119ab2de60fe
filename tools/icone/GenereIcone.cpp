// Writes the program's icon as a PNG of the given size: trumpwise_icone <size> <file>.
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>

#include "ui/Icone.h"

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    bool nombre = false;
    const int cote = arguments.value(1).toInt(&nombre);
    if (arguments.size() != 3 || !nombre || cote < 16 || cote > 1024) {
        std::fprintf(stderr, "usage: trumpwise_icone <size 16-1024> <file.png>\n");
        return 2;
    }
    const QString fichier = arguments.at(2);
    QDir().mkpath(QFileInfo(fichier).absolutePath());
    if (!dessineIcone(cote).save(fichier, "PNG")) {
        std::fprintf(stderr, "trumpwise_icone: cannot write %s\n", qPrintable(fichier));
        return 1;
    }
    return 0;
}
