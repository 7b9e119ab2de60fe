#pragma once

#include <QObject>
#include <QPointer>

#include "net/Lien.h"
#include "net/qt/SessionEnet.h"

// A link to one participant of a session: what it sends arrives here whole, one message a
// receipt, and what is sent here goes to it alone on the session's reliable channel. Its
// departure, or the end of the session, is the link's closing. On a client the participant is
// the host, found once the session is joined.
//
// The session belongs to the program's session connection and may end before the link: the link
// then stays closed.
class LienSession : public LienSortant {
public:
    // The host's link to a client of its session.
    LienSession(SessionEnet& session, SessionEnet::Participant participant);
    // A client's link to the host of the session it joined; open once connecte() reported it.
    explicit LienSession(SessionEnet& session);
    // Closes the link: a host removes its client, a client leaves the session.
    ~LienSession() override;
    LienSession(const LienSession&) = delete;
    LienSession& operator=(const LienSession&) = delete;

    // A send that fails on a link still open is shown in the session error box.
    void envoie(const std::string& octets) override;
    void ferme() override;
    bool estOuvert() const override;
    std::string adresseLocale() const override { return {}; }
    std::uint16_t portLocal() const override;
    // The session is joined already: the address is not used. lienEtabli follows when the host is
    // there, erreurDeLien when it is not.
    void connecte(const std::string& adresse, std::uint16_t port) override;

private:
    void relie();

    QPointer<SessionEnet> session_;
    SessionEnet::Participant participant_ = 0;
    bool ouvert_ = false;
    // Carries the session's reports and the deferred ones; they die with the link.
    QObject contexte_;
};
