#pragma once

#include <QHostAddress>
#include <QObject>
#include <QTimer>
#include <QUdpSocket>

#include <cstdint>
#include <utility>
#include <vector>

#include "net/ListeDesSessions.h"

// Looks for the sessions of the local network: sends the discovery query to its destinations
// NB_TENTATIVES times, one interval apart, and lists every session that answers, once each.
// Everything runs on the event loop; the window shows each attempt.
class ChercheurDeSessions : public QObject {
    Q_OBJECT
public:
    using Destination = std::pair<QHostAddress, std::uint16_t>;
    static constexpr int NB_TENTATIVES = 4;
    static constexpr int INTERVALLE_MS = 500;

    explicit ChercheurDeSessions(std::vector<Destination> destinations, int intervalleMs = INTERVALLE_MS,
                                 QObject* parent = nullptr);

    // The broadcast of the local network and this computer itself, on the discovery port; or the
    // "address:port" list of the TRUMPWISE_DECOUVERTE variable, for a network whose broadcasts do
    // not reach the hosts (or a trial that must not leave this computer).
    static std::vector<Destination> destinationsParDefaut();

    // Starts a search, forgetting the last one's sessions; false when no query could be sent.
    bool cherche();
    // Sends no more queries; the sessions found so far stay listed.
    void arrete() { minuterie_.stop(); }
    const ListeDesSessions& sessions() const { return sessions_; }

signals:
    // Attempt number 1 to NB_TENTATIVES was sent.
    void tentative(int numero);
    // A session not listed yet answered.
    void sessionTrouvee();
    // The last attempt's answers had their interval to arrive.
    void termine();

private:
    // False when the query reached no destination (or the search is over).
    bool envoieRequete();
    void litReponses();

    std::vector<Destination> destinations_;
    QUdpSocket socket_;
    QTimer minuterie_;
    ListeDesSessions sessions_;
    int nbEnvoyees_ = 0;
};
