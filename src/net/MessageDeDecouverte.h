#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

// The small exchange by which a joining program finds the sessions of the local network: a query
// broadcast in one datagram, answered by every host with its session's instance, port and name
// (its address is the answer's source). Datagrams come from anyone: decoding accepts only the
// exact shapes written here and never reads past what arrived.
namespace decouverte {

// The well-known port of the sessions and of their discovery.
constexpr std::uint16_t PORT = 4001;
// A session name is at most this long; an answer is never longer than this datagram.
constexpr std::size_t LONGUEUR_NOM_MAXI = 128;
constexpr std::size_t LONGUEUR_DATAGRAMME_MAXI = 256;

struct Reponse {
    std::uint64_t instance = 0;
    std::uint16_t port = 0;
    std::string nom;
};

std::string requete();
bool estRequete(const std::string& datagramme);

// The name is cut to LONGUEUR_NOM_MAXI.
std::string reponse(const Reponse& r);
std::optional<Reponse> litReponse(const std::string& datagramme);

}  // namespace decouverte
