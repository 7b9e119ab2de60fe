#include "ui/Texte.h"

#include "platform/TableDesTextes.h"
#include "platform/Windows1252.h"

QString qtexte(const std::string& windows1252) {
    QString texte = QString::fromStdString(versUtf8(windows1252));
    texte.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    texte.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return texte;
}

std::string depuisQt(const QString& texte) { return depuisUtf8(texte.toStdString()); }

QString qtexte(int id) { return qtexte(texte(id)); }
