#include "ui/Application.h"

#include "platform/Exception.h"
#include "platform/Plateforme.h"

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* destinataire, QEvent* evenement) {
    try {
        return QApplication::notify(destinataire, evenement);
    } catch (const Exception& erreur) {
        Plateforme::courante().erreur(erreur.what());
    } catch (const std::exception& erreur) {
        Plateforme::courante().erreur(erreur.what());
    }
    return false;
}
