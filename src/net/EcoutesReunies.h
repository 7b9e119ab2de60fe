#pragma once

#include <memory>
#include <vector>

#include "net/Ecoute.h"

// Several listening ends as one: a host reached by more than one carrier hands every incoming
// link of each to the same server.
class EcoutesReunies : public Ecoute, private Ecoute::Observateur {
public:
    explicit EcoutesReunies(std::vector<std::unique_ptr<Ecoute>> ecoutes);

    // Opens each in order; when one cannot, those already open are closed again and its failure
    // passes on.
    void ouvre(std::uint16_t port) override;
    void ferme() override;
    // Open when each is.
    bool estOuverte() const override;
    // The first one's port.
    std::uint16_t port() const override;

private:
    void nouveauLien(std::unique_ptr<Lien> lien) override;

    std::vector<std::unique_ptr<Ecoute>> ecoutes_;
};
