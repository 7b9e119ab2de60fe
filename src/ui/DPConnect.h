#pragma once

#include <QObject>
#include <QString>

#include <cstdint>
#include <memory>
#include <string>

#include "net/ErreurDeSession.h"
#include "net/ListeDesSessions.h"
#include "net/MessageDeDecouverte.h"
#include "net/qt/ChercheurDeSessions.h"
#include "net/qt/SessionEnet.h"

class QWidget;
class TFormDPClientConnect;

// The program's one session connection: it hosts a session, finds and joins one through the
// session list window, or does what a launch file or link says. Every failure is shown in the
// session error box.
class DPConnect : public QObject {
    Q_OBJECT
public:
    // lanceParLobby's results.
    enum Lancement { Echec = 0, Heberge = 1, Rejoint = 2 };

    explicit DPConnect(QWidget* fenetre);
    ~DPConnect() override;

    // Opens the session "Trumpwise <name>" on the port.
    bool heberge(const std::string& nomJoueur, std::uint16_t port = decouverte::PORT);
    // 1 when a session was joined; -1 when the user cancelled; 0 on a failure.
    int chercheEtRejoint();
    // argument: the launch file's path or a "trumpwise:" link.
    Lancement lanceParLobby(const QString& argument);
    // Leaves or ends the session.
    void libere() { session_.ferme(); }

    SessionEnet& session() { return session_; }
    ChercheurDeSessions& chercheur() { return chercheur_; }
    const std::string& nomSession() const { return nomSession_; }
    // The session joined last: its host's address and port.
    const SessionTrouvee& rejointe() const { return rejointe_; }

private:
    bool hebergeSession(const std::string& nom, std::uint16_t port, erreurDeSession::Texte siEchec);
    void signaleDepart(SessionEnet::Depart raison);

    SessionEnet session_;
    ChercheurDeSessions chercheur_;
    std::unique_ptr<TFormDPClientConnect> fenetre_;
    std::string nomSession_;
    SessionTrouvee rejointe_;
};
