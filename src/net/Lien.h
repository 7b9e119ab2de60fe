#pragma once

#include <cstdint>
#include <string>

// One connection between two computers of a network game, as a carrier (TCP sockets, a session
// transport) gives it: it sends bytes and reports what it receives, its closing and its errors.
// Every report comes on the program's one thread and never from inside envoie() or ferme(): the
// protocol may close or drop a link from any report.
class Lien {
public:
    class Observateur {
    public:
        virtual ~Observateur() = default;
        // An outgoing link reached its peer.
        virtual void lienEtabli(Lien&) {}
        // Bytes as they came: part of a message, one, or several.
        virtual void recoit(Lien& lien, const std::string& octets) = 0;
        // The peer or the network closed the link; not reported after ferme().
        virtual void lienFerme(Lien& lien) = 0;
        // A failure of the connection, with the system's text for it.
        virtual void erreurDeLien(Lien& lien, const std::string& message) = 0;
    };

    virtual ~Lien() = default;
    void setObservateur(Observateur* observateur) { observateur_ = observateur; }

    // Queues the bytes for sending; never waits.
    virtual void envoie(const std::string& octets) = 0;
    // Closes the link at once; nothing more is reported.
    virtual void ferme() = 0;
    virtual bool estOuvert() const = 0;
    // This end's address and port, for the messages of a failure.
    virtual std::string adresseLocale() const = 0;
    virtual std::uint16_t portLocal() const = 0;

protected:
    Observateur* observateur_ = nullptr;
};

// A link that this computer opens towards a host.
class LienSortant : public Lien {
public:
    // Starts connecting to an address in dotted form; lienEtabli or erreurDeLien follows.
    virtual void connecte(const std::string& adresse, std::uint16_t port) = 0;
};
