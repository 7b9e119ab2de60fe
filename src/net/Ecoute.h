#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "net/Lien.h"

// The host's listening end of a carrier: it hands over every incoming link.
class Ecoute {
public:
    class Observateur {
    public:
        virtual ~Observateur() = default;
        virtual void nouveauLien(std::unique_ptr<Lien> lien) = 0;
    };

    virtual ~Ecoute() = default;
    void setObservateur(Observateur* observateur) { observateur_ = observateur; }

    // Starts listening on the port (0: any free port). Throws Exception with the system's text
    // when the port cannot be opened.
    virtual void ouvre(std::uint16_t port) = 0;
    // Stops listening; the links already handed over stay with their owner.
    virtual void ferme() = 0;
    virtual bool estOuverte() const = 0;
    // The port listened on (the chosen one after ouvre(0)).
    virtual std::uint16_t port() const = 0;

protected:
    Observateur* observateur_ = nullptr;
};
