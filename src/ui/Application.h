#pragma once

#include <QApplication>

// The program's application: an error that escapes the handling of an event (a click, a timer,
// a menu command) is shown in an error box, and the program goes on.
class Application : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);
    bool notify(QObject* destinataire, QEvent* evenement) override;
};
