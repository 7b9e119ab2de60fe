#pragma once

#include <memory>

#include "net/Ecoute.h"

class QTcpServer;

// The host's listening TCP socket, on every interface of the computer (the clients are on other
// computers), its new connections delivered on the main thread.
class EcouteTcp : public Ecoute {
public:
    EcouteTcp();
    ~EcouteTcp() override;
    EcouteTcp(const EcouteTcp&) = delete;
    EcouteTcp& operator=(const EcouteTcp&) = delete;

    void ouvre(std::uint16_t port) override;
    void ferme() override;
    bool estOuverte() const override;
    std::uint16_t port() const override;

private:
    std::unique_ptr<QTcpServer> serveur_;
};
