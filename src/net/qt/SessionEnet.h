#pragma once

#include <QObject>
#include <QTimer>

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

class QSocketNotifier;
struct _ENetHost;
struct _ENetPeer;
struct _ENetEvent;

// A game session on the local network, carried by ENet over UDP: the host opens it on a port and
// answers the discovery queries that reach that port; clients join it by address. Every message
// travels whole and in order on ENet's reliable channel, whatever its length, so a record is never
// cut. The host talks to every client, a client to its host.
//
// ENet is serviced on the event loop (a socket notifier and a short timer), never blocking the
// window. Every report comes from the event loop, never from inside a call of the session's own
// operations; a slot may close or destroy the session.
class SessionEnet : public QObject {
    Q_OBJECT
public:
    // A peer of the session: a client for the host, the host for a client.
    using Participant = std::uint32_t;
    enum class Depart { Perdu, Renvoye, SessionTerminee };

    static constexpr std::size_t NB_PARTICIPANTS_MAXI = 20;
    // Bounded memory: a longer message is refused; no game record comes near it.
    static constexpr std::size_t TAILLE_MESSAGE_MAXI = 1 << 20;

    explicit SessionEnet(QObject* parent = nullptr);
    ~SessionEnet() override;
    SessionEnet(const SessionEnet&) = delete;
    SessionEnet& operator=(const SessionEnet&) = delete;

    // Opens a session named nom on the port (0: any free port) and answers the discovery
    // queries. False when it cannot: erreurSysteme() then tells why.
    bool heberge(const std::string& nom, std::uint16_t port);
    // A host of the local network answers within milliseconds; one that has not after this long
    // is not there.
    static constexpr int DELAI_CONNEXION_MS = 5000;
    // Starts joining the host at an IP address; arrivee or echecDeConnexion follows.
    bool rejoint(const std::string& adresseIp, std::uint16_t port, int delaiMs = DELAI_CONNEXION_MS);
    // Host: tells every client the session ends. Client: leaves. Nothing more is reported.
    void ferme();

    bool envoie(Participant participant, const std::string& octets);
    bool envoieATous(const std::string& octets);
    // Host: removes a client, which is told so.
    void renvoie(Participant participant);
    // Host: whether the session answers the discovery queries and lets new clients in (it does
    // once hosted). A client let in while nobody on this computer listens to the session would
    // talk to nobody: it is refused, and told so as a removed client.
    void rendDisponible(bool oui) { disponible_ = oui; }
    bool estDisponible() const { return disponible_; }
    // The peers connected now, in order of arrival.
    std::vector<Participant> participants() const;
    bool estPresent(Participant participant) const;
    // Something sent is not acknowledged yet by the participant it went to: lost on the way and
    // due again, or not yet answered. Who must know that everything sent has arrived waits on
    // the event loop until this is false.
    bool aDesEnvoisEnCours() const;

    bool estOuverte() const { return hote_ != nullptr; }
    bool estHote() const { return estHote_; }
    std::uint16_t port() const;
    const std::string& nom() const { return nom_; }
    std::uint64_t instance() const { return instance_; }
    int erreurSysteme() const { return erreurSysteme_; }

    // For trials of a lossy network: drops that share of the incoming datagrams, drawn from the seed.
    void perdDesDatagrammes(double part, std::uint32_t graine);
    std::size_t nbDatagrammesPerdus() const { return nbPerdus_; }

signals:
    void arrivee(SessionEnet::Participant participant);
    void recu(SessionEnet::Participant participant, const std::string& octets);
    void depart(SessionEnet::Participant participant, SessionEnet::Depart raison);
    void echecDeConnexion();

private:
    struct Evenement;

    bool ouvre(const void* adresse, std::size_t nbPairs);
    void sert();
    void traite(const _ENetEvent& evenement, std::vector<Evenement>& aSignaler);
    // The raw datagrams, before ENet reads them: discovery queries and simulated losses.
    static int intercepte(_ENetHost* hote, _ENetEvent* evenement);
    bool intercepteDatagramme();

    _ENetHost* hote_ = nullptr;
    std::unique_ptr<QSocketNotifier> notificateur_;
    QTimer minuterie_;
    std::map<Participant, _ENetPeer*> pairs_;
    Participant prochain_ = 1;
    bool estHote_ = false;
    bool disponible_ = true;
    // A client reached its host (or a host got its first client).
    bool rejointe_ = false;
    std::string nom_;
    std::uint64_t instance_ = 0;
    int erreurSysteme_ = 0;
    double partPerdue_ = 0;
    std::size_t nbPerdus_ = 0;
    std::mt19937 tirage_;
};
