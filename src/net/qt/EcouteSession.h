#pragma once

#include <QObject>
#include <QPointer>

#include "net/Ecoute.h"
#include "net/qt/SessionEnet.h"

// The host's listening end on the session it hosts: each client that joins is a new link, its
// departure that link's closing. The session is hosted beforehand, on its own port: the port
// given to ouvre() is not its. Opened, it lets clients into the session; closed, it ends the
// session, and every client is told so.
class EcouteSession : public Ecoute {
public:
    explicit EcouteSession(SessionEnet& session);
    ~EcouteSession() override;
    EcouteSession(const EcouteSession&) = delete;
    EcouteSession& operator=(const EcouteSession&) = delete;

    // Throws Exception when no session is hosted on this computer.
    void ouvre(std::uint16_t port) override;
    void ferme() override;
    bool estOuverte() const override { return ouverte_; }
    std::uint16_t port() const override;

private:
    QPointer<SessionEnet> session_;
    bool ouverte_ = false;
    QObject contexte_;
};
