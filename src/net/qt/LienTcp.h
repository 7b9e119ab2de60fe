#pragma once

#include <memory>

#include "net/Lien.h"

class QTcpSocket;

// A link over one TCP connection, its socket's signals delivered on the main thread. Writes are
// queued by the socket and never wait. The socket goes with deleteLater, so a link may be dropped
// from any of its own reports.
class LienTcp : public LienSortant {
public:
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

    QTcpSocket* socket_;
    bool ouvert_ = false;
};
