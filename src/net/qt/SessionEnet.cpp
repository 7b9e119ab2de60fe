#include "net/qt/SessionEnet.h"

#include <QPointer>
#include <QSocketNotifier>

#include <enet/enet.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "net/MessageDeDecouverte.h"

namespace {

// What a leaving host or a removing host tells the client in ENet's disconnection word.
constexpr enet_uint32 RAISON_RENVOI = 1;
constexpr enet_uint32 RAISON_FIN_DE_SESSION = 2;
// ENet's own retransmissions and pings run on this beat when no datagram wakes the session.
constexpr int PERIODE_SERVICE_MS = 10;
constexpr std::size_t ATTENTE_MAXI = 4 * SessionEnet::TAILLE_MESSAGE_MAXI;

// The session ENet is servicing right now: its interception hook has no context of its own, and
// ENet is only serviced on the one thread of the event loop.
SessionEnet* enService = nullptr;

bool enetPret() {
    static const bool pret = [] {
        if (enet_initialize() != 0) return false;
        std::atexit(enet_deinitialize);
        return true;
    }();
    return pret;
}

SessionEnet::Participant participantDe(const ENetPeer* pair) {
    return static_cast<SessionEnet::Participant>(reinterpret_cast<std::uintptr_t>(pair->data));
}

}  // namespace

struct SessionEnet::Evenement {
    enum class Type { Arrivee, Recu, Depart, Echec } type;
    Participant participant = 0;
    std::string octets;
    Depart raison = Depart::Perdu;
};

SessionEnet::SessionEnet(QObject* parent) : QObject(parent) {
    minuterie_.setInterval(PERIODE_SERVICE_MS);
    connect(&minuterie_, &QTimer::timeout, this, &SessionEnet::sert);
}

SessionEnet::~SessionEnet() { ferme(); }

bool SessionEnet::ouvre(const void* adresse, std::size_t nbPairs) {
    erreurSysteme_ = 0;
    if (!enetPret()) return false;
    errno = 0;
    hote_ = enet_host_create(static_cast<const ENetAddress*>(adresse), nbPairs, 1, 0, 0);
    if (!hote_) {
        erreurSysteme_ = errno;
        return false;
    }
    hote_->maximumPacketSize = TAILLE_MESSAGE_MAXI;
    hote_->maximumWaitingData = ATTENTE_MAXI;
    hote_->intercept = &SessionEnet::intercepte;
    notificateur_ = std::make_unique<QSocketNotifier>(static_cast<qintptr>(hote_->socket), QSocketNotifier::Read);
    connect(notificateur_.get(), &QSocketNotifier::activated, this, &SessionEnet::sert);
    minuterie_.start();
    return true;
}

bool SessionEnet::heberge(const std::string& nom, std::uint16_t port) {
    ferme();
    ENetAddress adresse{ENET_HOST_ANY, port};
    if (!ouvre(&adresse, NB_PARTICIPANTS_MAXI)) return false;
    estHote_ = true;
    nom_ = nom.substr(0, decouverte::LONGUEUR_NOM_MAXI);
    instance_ = (std::uint64_t(std::random_device{}()) << 32) ^ std::random_device{}();
    return true;
}

bool SessionEnet::rejoint(const std::string& adresseIp, std::uint16_t port, int delaiMs) {
    ferme();
    ENetAddress adresse{0, port};
    // An address in dotted form only: a name lookup would block the window.
    if (enet_address_set_host_ip(&adresse, adresseIp.c_str()) != 0 || port == 0 || !ouvre(nullptr, 1)) {
        ferme();
        return false;
    }
    ENetPeer* hoteDistant = enet_host_connect(hote_, &adresse, 1, 0);
    if (!hoteDistant) {
        ferme();
        return false;
    }
    enet_peer_timeout(hoteDistant, 0, static_cast<enet_uint32>(delaiMs), static_cast<enet_uint32>(delaiMs));
    const Participant participant = prochain_++;
    hoteDistant->data = reinterpret_cast<void*>(std::uintptr_t(participant));
    pairs_[participant] = hoteDistant;
    enet_host_flush(hote_);
    return true;
}

void SessionEnet::ferme() {
    if (!hote_) return;
    const enet_uint32 raison = estHote_ ? RAISON_FIN_DE_SESSION : 0;
    for (const auto& [participant, pair] : pairs_) enet_peer_disconnect_now(pair, raison);
    pairs_.clear();
    minuterie_.stop();
    notificateur_.reset();
    enet_host_destroy(hote_);
    hote_ = nullptr;
    estHote_ = false;
    disponible_ = true;
    rejointe_ = false;
    nom_.clear();
}

std::uint16_t SessionEnet::port() const { return hote_ ? hote_->address.port : 0; }

bool SessionEnet::envoie(Participant participant, const std::string& octets) {
    const auto it = pairs_.find(participant);
    if (it == pairs_.end() || it->second->state != ENET_PEER_STATE_CONNECTED || octets.size() > TAILLE_MESSAGE_MAXI)
        return false;
    ENetPacket* paquet = enet_packet_create(octets.data(), octets.size(), ENET_PACKET_FLAG_RELIABLE);
    if (!paquet) return false;
    if (enet_peer_send(it->second, 0, paquet) != 0) {
        enet_packet_destroy(paquet);
        return false;
    }
    enet_host_flush(hote_);
    return true;
}

bool SessionEnet::envoieATous(const std::string& octets) {
    bool reussi = true;
    for (const auto& [participant, pair] : pairs_) reussi = envoie(participant, octets) && reussi;
    return reussi;
}

void SessionEnet::renvoie(Participant participant) {
    const auto it = pairs_.find(participant);
    if (it == pairs_.end()) return;
    enet_peer_disconnect_now(it->second, RAISON_RENVOI);
    pairs_.erase(it);
}

std::vector<SessionEnet::Participant> SessionEnet::participants() const {
    std::vector<Participant> presents;
    for (const auto& [participant, pair] : pairs_)
        if (pair->state == ENET_PEER_STATE_CONNECTED) presents.push_back(participant);
    return presents;
}

bool SessionEnet::estPresent(Participant participant) const {
    const auto it = pairs_.find(participant);
    return it != pairs_.end() && it->second->state == ENET_PEER_STATE_CONNECTED;
}

bool SessionEnet::aDesEnvoisEnCours() const {
    for (const auto& [participant, pair] : pairs_)
        if (!enet_list_empty(&pair->outgoingCommands) || !enet_list_empty(&pair->sentReliableCommands)) return true;
    return false;
}

void SessionEnet::perdDesDatagrammes(double part, std::uint32_t graine) {
    partPerdue_ = part;
    tirage_.seed(graine);
}

int SessionEnet::intercepte(ENetHost*, ENetEvent*) {
    return enService && enService->intercepteDatagramme() ? 1 : 0;
}

bool SessionEnet::intercepteDatagramme() {
    const std::string datagramme(reinterpret_cast<const char*>(hote_->receivedData), hote_->receivedDataLength);
    if (decouverte::estRequete(datagramme)) {
        if (!estHote_ || !disponible_) return true;
        const std::string reponse = decouverte::reponse({instance_, port(), nom_});
        ENetBuffer tampon;
        tampon.data = const_cast<char*>(reponse.data());
        tampon.dataLength = reponse.size();
        enet_socket_send(hote_->socket, &hote_->receivedAddress, &tampon, 1);
        return true;
    }
    const bool perdu = partPerdue_ > 0 && std::uniform_real_distribution<double>(0, 1)(tirage_) < partPerdue_;
    nbPerdus_ += perdu;
    return perdu;
}

void SessionEnet::traite(const ENetEvent& evenement, std::vector<Evenement>& aSignaler) {
    ENetPeer* pair = evenement.peer;
    switch (evenement.type) {
        case ENET_EVENT_TYPE_CONNECT: {
            if (estHote_ && !disponible_) {
                enet_peer_disconnect_now(pair, RAISON_RENVOI);
                return;
            }
            if (estHote_) {
                const Participant participant = prochain_++;
                pair->data = reinterpret_cast<void*>(std::uintptr_t(participant));
                pairs_[participant] = pair;
            }
            // The short patience was for reaching the host; a game keeps ENet's own.
            if (!estHote_) enet_peer_timeout(pair, 0, 0, 0);
            rejointe_ = true;
            aSignaler.push_back({Evenement::Type::Arrivee, participantDe(pair), {}, Depart::Perdu});
            return;
        }
        case ENET_EVENT_TYPE_RECEIVE: {
            std::string octets(reinterpret_cast<const char*>(evenement.packet->data), evenement.packet->dataLength);
            enet_packet_destroy(evenement.packet);
            if (pairs_.count(participantDe(pair)))
                aSignaler.push_back({Evenement::Type::Recu, participantDe(pair), std::move(octets), Depart::Perdu});
            return;
        }
        case ENET_EVENT_TYPE_DISCONNECT: {
            const Participant participant = participantDe(pair);
            if (!pairs_.erase(participant)) return;
            // A client whose host never answered did not join.
            if (!estHote_ && !rejointe_) {
                aSignaler.push_back({Evenement::Type::Echec, participant, {}, Depart::Perdu});
                return;
            }
            const Depart raison = evenement.data == RAISON_RENVOI          ? Depart::Renvoye
                                  : evenement.data == RAISON_FIN_DE_SESSION ? Depart::SessionTerminee
                                                                            : Depart::Perdu;
            aSignaler.push_back({Evenement::Type::Depart, participant, {}, raison});
            return;
        }
        case ENET_EVENT_TYPE_NONE: return;
    }
}

void SessionEnet::sert() {
    if (!hote_) return;
    std::vector<Evenement> aSignaler;
    SessionEnet* const precedent = enService;
    enService = this;
    ENetEvent evenement;
    while (hote_ && enet_host_service(hote_, &evenement, 0) > 0) traite(evenement, aSignaler);
    enService = precedent;

    const QPointer<SessionEnet> moi(this);
    for (const Evenement& e : aSignaler) {
        if (!moi || !hote_) return;
        switch (e.type) {
            case Evenement::Type::Arrivee: emit arrivee(e.participant); break;
            case Evenement::Type::Recu: emit recu(e.participant, e.octets); break;
            case Evenement::Type::Depart: emit depart(e.participant, e.raison); break;
            case Evenement::Type::Echec: emit echecDeConnexion(); break;
        }
    }
}
