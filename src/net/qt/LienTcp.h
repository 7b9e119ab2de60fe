#pragma once

#include <cstdint>
#include <memory>

#include "net/Lien.h"

class QTcpSocket;

// A link over one TCP connection, its socket's signals delivered on the main thread. Writes are
// queued by the socket and never wait; a peer that leaves more than ATTENTE_MAXIMALE bytes unread
// is given up as closed, so it cannot make this program hold its messages without end. The socket
// goes with deleteLater, so a link may be dropped from any of its own reports.
class LienTcp : public LienSortant {
public:
    // A whole game's events are a few tens of kilobytes: this much waiting means the peer is gone
    // or reads nothing on purpose.
    static constexpr std::int64_t ATTENTE_MAXIMALE = 4 * 1024 * 1024;

    // An outgoing link, not connected yet.
    LienTcp();
    // A link the listening socket accepted; it takes the socket.
    explicit LienTcp(QTcpSocket* socket);
    ~LienTcp() override;
    LienTcp(const LienTcp&) = delete;
    LienTcp& operator=(const LienTcp&) = delete;

    void envoie(const std::string& octets) override;
    void ferme() override;
    bool estOuvert() const override { return ouvert_; }
    std::string adresseLocale() const override;
    std::uint16_t portLocal() const override;
    void connecte(const std::string& adresse, std::uint16_t port) override;

private:
    void relie();
    void signaleErreur(const std::string& message);
    void abandonne();

    QTcpSocket* socket_;
    bool ouvert_ = false;
    // Reports deferred to the event loop check it: the link may be gone by then while its socket
    // still waits for deleteLater.
    std::shared_ptr<bool> vivant_ = std::make_shared<bool>(true);
};
