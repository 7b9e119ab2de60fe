#pragma once

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTcpSocket>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "net/TamponDeReception.h"

// The benchmark's clients, in a process of their own so that the host's memory is the host's
// alone. They connect to the host and register; once the game has started at every one of them,
// the first (who holds a seat) sends chat lines, which the host relays to all of them: first one
// at a time, each waiting for its own echo (the round trip), then a burst of them at once (the
// relaying rate). Everything runs from the sockets' signals on the event loop; no call waits.
class ClientsDuBanc {
public:
    struct Parametres {
        std::uint16_t port = 0;
        int clients = 20;
        int allersRetours = 2000;
        int rafale = 2000;
    };

    explicit ClientsDuBanc(const Parametres& parametres);
    // Runs until the figures are printed (0) or something failed (1).
    int execute();

private:
    enum class Phase { Inscription, AllersRetours, Rafale };
    struct Client {
        QTcpSocket socket;
        TamponDeReception tampon;
        bool partieCommencee = false;
        int chats = 0;
    };

    void recoit(Client& client);
    void traite(Client& client, const std::string& message);
    void envoiePing();
    void envoieRafale();
    void termine(int code);
    void imprime() const;

    Parametres parametres_;
    std::vector<std::unique_ptr<Client>> clients_;
    QEventLoop boucle_;
    Phase phase_ = Phase::Inscription;
    int nbPartiesCommencees_ = 0;
    int nbRafalesCompletes_ = 0;
    std::string pingAttendu_;
    QElapsedTimer chrono_;
    std::vector<double> durees_;
    double secondesRafale_ = 0;
};
