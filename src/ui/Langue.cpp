#include "ui/Langue.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>
#include <QUrl>

#include "platform/Assertion.h"
#include "platform/Exception.h"
#include "platform/TableDesTextes.h"
#include "ui/Ressources.h"

namespace langue {

namespace {

const char* const FRANCAIS = "FRA";

QString cle() {
    // Keyed by the program's full path, percent-encoded so that its slashes make no groups.
    return QStringLiteral("Langue/") +
           QString::fromLatin1(QUrl::toPercentEncoding(QCoreApplication::applicationFilePath()));
}

// Qt's own texts (the Yes and No of the message boxes, the file dialogs) follow the language too.
void traduitQt(const QString& code) {
    static QTranslator traducteur;
    QCoreApplication::removeTranslator(&traducteur);
    const QString langueQt = code == QStringLiteral("DEU") ? QStringLiteral("de")
                             : code == QStringLiteral("ENU") ? QStringLiteral("en")
                                                             : QStringLiteral("fr");
    if (traducteur.load(QStringLiteral("qtbase_") + langueQt, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&traducteur);
}

}  // namespace

QString codeMemorise() {
    return QSettings(QStringLiteral("Trumpwise"), QStringLiteral("Trumpwise"))
        .value(cle(), QString::fromLatin1(FRANCAIS))
        .toString();
}

// The French table lies under every other language: a text not translated yet shows in French
// rather than as its bare number.
bool charge(const QString& code) {
    QByteArray contenu;
    for (const QString& fichier : {QString::fromLatin1(FRANCAIS), code}) {
        QFile langue(ressources::dossierLangues() + QLatin1Char('/') + fichier.toLower() + QStringLiteral(".txt"));
        if (!langue.open(QIODevice::ReadOnly)) return false;
        contenu += langue.readAll() + '\n';
    }
    TableDesTextes table;
    try {
        table.chargeTexte(contenu.toStdString());
    } catch (const Exception&) {
        return false;
    }
    TableDesTextes::globale() = std::move(table);
    traduitQt(code);
    return true;
}

bool choisit(const QString& code) {
    if (code.size() != 3) assertion::echoue("lstrlen(LocaleOverride) == 3", "TFormJeuDeCartes", __LINE__);
    QSettings(QStringLiteral("Trumpwise"), QStringLiteral("Trumpwise")).setValue(cle(), code);
    return charge(code);
}

}  // namespace langue
