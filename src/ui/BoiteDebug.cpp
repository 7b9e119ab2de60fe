#include "ui/BoiteDebug.h"

#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QTimer>
#include <cstdlib>

#include "platform/Assertion.h"
#include "platform/Exception.h"
#include "ui/PlateformeQt.h"

namespace {

BoiteDebug::Reponse demandeALUtilisateur(const QString& texte) {
    auto* plateforme = dynamic_cast<PlateformeQt*>(&Plateforme::courante());
    QWidget* parent = plateforme ? plateforme->fenetre() : nullptr;
    switch (QMessageBox::critical(parent, QStringLiteral("Debug"), texte,
                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
        case QMessageBox::Yes: return BoiteDebug::Reponse::Oui;
        case QMessageBox::No: return BoiteDebug::Reponse::Non;
        default: return BoiteDebug::Reponse::Annuler;
    }
}

bool uneFenetreEstOuverte() {
    for (const QWidget* fenetre : QApplication::topLevelWidgets())
        if (fenetre->isVisible() && fenetre->windowType() == Qt::Window) return true;
    return false;
}

}  // namespace

BoiteDebug::BoiteDebug(Question question, std::function<bool()> attendEncore, std::function<void()> fin,
                       int intervalleMs)
    : question_(std::move(question)),
      attendEncore_(std::move(attendEncore)),
      fin_(std::move(fin)),
      intervalleMs_(intervalleMs) {}

void BoiteDebug::installe() {
    const BoiteDebug boite(demandeALUtilisateur, uneFenetreEstOuverte, [] { std::exit(EXIT_SUCCESS); });
    assertion::installe([boite](const char* expression, const char* source, int ligne) {
        boite.echec(expression, source, ligne);
    });
}

QString BoiteDebug::texte(const char* expression, const char* source, int ligne) {
    return QStringLiteral("Assertion failed: %1 %2 %3")
        .arg(QString::fromLatin1(expression), QString::fromLatin1(source))
        .arg(ligne);
}

void BoiteDebug::echec(const char* expression, const char* source, int ligne) const {
    switch (question_(texte(expression, source, ligne))) {
        case Reponse::Oui: return;
        case Reponse::Non: throw Exception("Break");
        case Reponse::Annuler:
            while (attendEncore_()) {
                QEventLoop boucle;
                QTimer::singleShot(intervalleMs_, &boucle, &QEventLoop::quit);
                boucle.exec();
            }
            fin_();
            return;
    }
}
